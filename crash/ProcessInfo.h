#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Facts about the running program that the error report needs.
namespace kelvane {

// The full path of the program file.
std::string ProgramFileName();
// The program's folder with a trailing "/".
std::string ProgramFolder();
// The part of a path after its last "/".
std::string FileNameOnly(const std::string& path);
// Copies n bytes from address src, or returns false when any of them cannot be
// read. Uses a system call, so it never faults and is async-signal-safe.
bool SafeRead(void* dst, std::uintptr_t src, std::size_t n);

} // namespace kelvane
