#pragma once

#include <string>
#include <vector>

namespace kelvane {

// The developer's release check: the release's base must be today's date as
// "day.month.year-mod-100" and its extension must be "0".
class ReleaseCheck {
  public:
    // The messages to show, in order (none when the release is current).
    static std::vector<std::string> Messages(const std::string& release, int day, int month,
                                             int year);
    static std::string DateText(int day, int month, int year);
};

} // namespace kelvane
