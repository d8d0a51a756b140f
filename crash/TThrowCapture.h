#pragma once

#include "crash/TCpuContext.h"

#include <cstddef>
#include <cstdint>
#include <typeinfo>

namespace kelvane {

// The state of a thread where an error arose: the processor context and the
// return addresses of the active procedures, innermost first. The program's
// throws are captured where they are raised (the linker routes __cxa_throw
// through a hook, see core/CMakeLists.txt); each thread keeps its last few.
struct TThrowCapture {
    const void* Object = nullptr; // the thrown object
    const std::type_info* Type = nullptr;
    TCpuContext Context;
    static constexpr std::size_t MaxFrames = 512;
    std::uintptr_t Frames[MaxFrames] = {};
    std::size_t FrameCount = 0;

    // This thread's capture of the throw of object; nullptr when it was not
    // captured (thrown inside a library, or before capturing was switched on).
    static const TThrowCapture* Find(const void* object);
    // Captures the state in the function that calls this one, skipping skip more
    // frames outward (for errors that were not captured where they arose).
    static void CaptureHere(TThrowCapture& capture, int skip = 0);

    // Capturing costs a stack walk per throw, so it runs only while wanted.
    static void SetEnabled(bool enabled);
    // Called on the throwing thread right after each capture (nullptr: none).
    using TObserver = void (*)(const TThrowCapture& capture);
    static void SetObserver(TObserver observer);
    // Records a throw; called by the hook with the thrower's registers.
    static void Record(void* object, std::type_info* type, const std::uint64_t* registers);
};

} // namespace kelvane
