#include "ParameterFile.h"

#include "TIniFile.h"

#include <filesystem>
#include <system_error>

namespace kelvane {

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::string SettingsFilePath(const std::string& appPath) {
    const std::string exact = appPath + SettingsFileName;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    const std::filesystem::path folder = appPath.empty() ? "." : appPath;
    std::filesystem::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (SameNameIgnoringCase(name, SettingsFileName))
            return appPath + name;
    }
    return exact;
}

void LoadParameterFile(const std::string& fileName, const ParameterTable& table, EngineHost& host,
                       const ParameterTable::TrackBarSetter& setTrackBar) {
    const TIniFile ini(fileName);
    table.ReadIniFile(ini, host, setTrackBar);
}

ParameterFileCheck CheckParameterFile(const ParameterTable& table, const TIniFile& file,
                                      const std::string& shownName, const std::string& caption) {
    ParameterFileCheck check{table.StoredTexts(file), {}};
    if (check.stored.empty()) {
        check.refusal = "The file \"" + shownName + "\" is not a parameter file of the " + caption +
                        ": it holds none of its settings.";
    }
    return check;
}

void SaveParameterFile(EngineHost& host, const ParameterTable& table, const std::string& fileName) {
    TIniFile ini(fileName);
    table.WriteFrom(host, ini);
}

} // namespace kelvane
