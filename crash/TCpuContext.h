#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <ucontext.h>

namespace kelvane {

// The x86-64 processor state where an error arose, with the code bytes at the
// instruction pointer and the words at the stack pointer copied at that moment
// (later the stack has been unwound and overwritten).
struct TCpuContext {
    std::uint64_t Rax = 0, Rbx = 0, Rcx = 0, Rdx = 0, Rsi = 0, Rdi = 0, Rbp = 0, Rsp = 0;
    std::uint64_t R8 = 0, R9 = 0, R10 = 0, R11 = 0, R12 = 0, R13 = 0, R14 = 0, R15 = 0;
    std::uint64_t Rip = 0;
    std::uint32_t Flags = 0;
    std::uint16_t Cs = 0, Ss = 0, Ds = 0, Es = 0, Fs = 0, Gs = 0;
    static constexpr std::size_t CodeBytes = 16;
    static constexpr std::size_t StackWords = 20;
    std::uint8_t Code[CodeBytes] = {};
    bool CodeValid = false;
    std::uint64_t Stack[StackWords] = {};
    bool StackValid = false;

    // The registers as they are in the calling function (scratch registers are
    // only approximate: the call itself may have changed them).
    static TCpuContext Current();
    // The interrupted state of a signal handler. Async-signal-safe.
    static TCpuContext FromUcontext(const ucontext_t& uc);
    // Copies the code bytes at Rip and the stack words at Rsp. Async-signal-safe.
    void ReadMemory();

    // The register text, each line ending in CR LF, into buf (always terminated).
    // Returns the length written. Async-signal-safe apart from snprintf.
    std::size_t Format(char* buf, std::size_t size) const;
    std::string Text() const;
};

} // namespace kelvane
