#pragma once

#include <cstdint>
#include <string>

namespace kelvane {

class TModuleDebugInfo;

// One entry of a call stack: a code address with what the module's debug
// information knows about it. The name indexes refer to DebugModule's names.
struct TCallStackItem {
    TModuleDebugInfo* DebugModule = nullptr;
    std::uintptr_t CallAddress = 0;
    int ModuleNameIndex = -1;
    int ProcNameIndex = -1;
    int FileNameIndex = -1;
    int FileLineNumber = -1;
    // How many consecutive times the address occurred.
    int NestingLevel = 1;

    // CallAddress minus the module's load address.
    std::uintptr_t RelativeAddress() const;
    const std::string& ModuleName() const;
    const std::string& ProcName() const;
    const std::string& FileName() const;
    // The entry's lines of the call stack text, each ending in CR LF.
    std::string Text() const;
};

} // namespace kelvane
