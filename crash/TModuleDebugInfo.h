#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>

struct Dwfl_Module;

namespace kelvane {

// The debug information of one loaded module (the program file or a library):
// procedure names from its symbol table and source lines from its DWARF line
// tables, read from the module's file or a separate debug file beside it.
// Created on first need and kept for the rest of the run.
class TModuleDebugInfo {
  public:
    // The module whose code holds addr; nullptr when it lies in no loaded module.
    static TModuleDebugInfo* ForAddress(std::uintptr_t addr);

    // What is subtracted from an address to give the module-relative address
    // (the one addr2line -e takes).
    std::uintptr_t LoadAddress() const { return loadAddress; }
    const std::string& Path() const { return path; }
    // Index of the module's file name without folder.
    int ModuleNameIndex() const { return moduleNameIndex; }
    // Index of the demangled name of the procedure holding addr, -1 when unknown.
    int ProcNameIndex(std::uintptr_t addr);
    // Source file (index of its name without folder) and line holding addr;
    // false, with both -1, when the module has no line information for it.
    bool SourceLine(std::uintptr_t addr, int& fileNameIndex, int& line);
    // The name that an index above stands for ("" for -1).
    const std::string& Name(int index) const;

    TModuleDebugInfo(const TModuleDebugInfo&) = delete;
    TModuleDebugInfo& operator=(const TModuleDebugInfo&) = delete;

  private:
    explicit TModuleDebugInfo(Dwfl_Module* module);
    int Intern(const std::string& name);

    Dwfl_Module* module;
    std::string path;
    std::uintptr_t loadAddress = 0;
    int moduleNameIndex = -1;
    std::deque<std::string> names;
    std::unordered_map<std::string, int> indexOf;
};

} // namespace kelvane
