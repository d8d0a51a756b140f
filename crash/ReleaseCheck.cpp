#include "crash/ReleaseCheck.h"

namespace kelvane {

std::string ReleaseCheck::DateText(int day, int month, int year) {
    return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year % 100);
}

std::vector<std::string> ReleaseCheck::Messages(const std::string& release, int day, int month,
                                                int year) {
    std::string base = release, extension;
    auto dot = release.rfind('.');
    if (dot != std::string::npos) {
        base = release.substr(0, dot);
        extension = release.substr(dot + 1, 255);
    }
    std::vector<std::string> messages;
    if (base != DateText(day, month, year))
        messages.push_back("Release may not be current");
    if (extension != "0")
        messages.push_back("Release has non-zero extension");
    return messages;
}

} // namespace kelvane
