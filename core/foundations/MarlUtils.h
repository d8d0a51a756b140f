#pragma once

#include <string>

// Small text helpers shared by every window.
namespace kelvane {

// True for a text of nothing but spaces, carriage returns and line feeds.
bool IsEmpty(const std::string& s);
std::string PadLeft(const std::string& inString, int width);
std::string PadRight(const std::string& inString, int width);
// Leading spaces only.
std::string TrimLeft(const std::string& s);
// Trailing NUL, tab, line feed, carriage return and space.
std::string TrimRight(const std::string& s);
std::string TrimBoth(const std::string& s);
int Max(int i, int j);

} // namespace kelvane
