#include "ParameterFile.h"

#include "Echo.h"
#include "TIniFile.h"

#include <filesystem>
#include <stdexcept>
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
        check.refusal = {"The file \"%1\" is not a parameter file of the %2: it holds none of its "
                         "settings.",
                         {Message::Literal(shownName), Message::Word(caption)}};
    }
    return check;
}

std::string ProblemText(const FieldProblem& p, const std::string& text) {
    switch (p.fault) {
    case FieldFault::NotAWholeNumber:
        return "'" + Echo(text) + "' is not a valid integer value";
    case FieldFault::OutOfOrder:
        return p.message;
    default:
        return p.message + ", not '" + Echo(text) + "'";
    }
}

void LoadCheckedParameters(
    const ParameterTable& table, const std::string& caption, const TIniFile& ini,
    const std::string& shownName, EngineHost& host,
    const std::function<void(const FieldRow&, const std::string& source)>& noteSource) {
    const ParameterFileCheck check = CheckParameterFile(table, ini, shownName, caption);
    if (!check.refusal.pattern.empty())
        throw std::runtime_error(check.refusal.English());
    // A text the engine could not read is refused here, before the load's own
    // steps read it and fail without naming it, or quietly replace it; values
    // out of range are refused after those steps, with the rest.
    for (const ParameterTable::StoredText& stored : check.stored) {
        const FieldRow& row = *stored.row;
        const std::string source =
            shownName + ": [" + row.section + "] " + row.key + " (" + row.control + ")";
        if (noteSource)
            noteSource(row, source);
        if (row.IsCheckBox() && stored.text != "Y" && stored.text != "N")
            throw std::runtime_error(source + ": must be Y or N, not '" + Echo(stored.text) + "'");
        if (stored.problem && stored.problem->fault != FieldFault::OutOfRange)
            throw std::runtime_error(source + ": " + ProblemText(*stored.problem, stored.text));
    }
    table.ReadIniFile(ini, host, {});
}

void SaveParameterFile(EngineHost& host, const ParameterTable& table, const std::string& fileName) {
    TIniFile ini(fileName);
    table.WriteFrom(host, ini);
}

std::string ParameterFileText(EngineHost& host, const ParameterTable& table) {
    return TIniFile::EditedText({}, [&](TIniFile& ini) { table.WriteFrom(host, ini); });
}

} // namespace kelvane
