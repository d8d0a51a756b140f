#pragma once

#include <cstdint>

namespace kelvane {

// The file mappings of the process, read from /proc/self/maps when a fault
// needs them. Fixed storage and plain system calls only: the fault handler
// calls these, in a signal handler.
struct Mapping {
    std::uintptr_t start, end;
    int path; // offset into the path pool
    bool executable;
};

// Reads the mappings afresh, replacing those read before.
void LoadMappings();
// nullptr for an address no file is mapped at.
const Mapping* MappingOf(std::uintptr_t addr);
// Where the module is loaded: its lowest mapping (its first load segment has
// address 0 for programs built as position-independent and for libraries).
std::uintptr_t LoadAddressOf(const Mapping& m);
const char* PathOf(const Mapping& m);
// In executable code of a mapped file.
bool InCode(std::uintptr_t addr);

} // namespace kelvane
