#pragma once

#include "ParameterTable.h"

#include <functional>
#include <string>
#include <vector>

// The settings file and the parameter files ("PAR") share one layout: the
// parameter sections of ParameterTable.
namespace kelvane {

inline constexpr const char* SettingsFileName = "Kelvane.INI";
inline constexpr const char* ParameterFileFilter = "Stirling Parameters|*.PAR";
inline constexpr const char* ParameterFileExtension = "PAR";

// The settings file in the program's folder (appPath ends with its separator).
// File names are matched without regard to case, so an existing "kelvane.ini"
// or "KELVANE.INI" there is the settings file; otherwise "Kelvane.INI".
std::string SettingsFilePath(const std::string& appPath);

// Loads a parameter file into the host as the Load button does, without the
// window's refresh action: the rows, then the table's follow-up steps. Missing
// sections and keys, or a missing file, give the defaults. A text that must be
// a whole number and is not throws EConvertError (the fields filled so far keep
// their texts).
void LoadParameterFile(const std::string& fileName, const ParameterTable& table, EngineHost& host,
                       const ParameterTable::TrackBarSetter& setTrackBar = {});

// What a file offered as the table's parameter file holds: the stored rows
// found (as StoredTexts gives them), and why the file cannot be loaded at all
// (an empty pattern when it can). A file with none of the table's keys (another engine's
// file, or no parameter file at all) would only reset every field to its
// default. The reason names the file as shown and the engine by its caption.
struct ParameterFileCheck {
    std::vector<ParameterTable::StoredText> stored;
    Message refusal;
};
ParameterFileCheck CheckParameterFile(const ParameterTable& table, const TIniFile& file,
                                      const std::string& shownName, const std::string& caption);

// What is wrong with a field's text, as one line tells it (the text echoed
// safely). A text that is not a whole number keeps the conversion's own message.
std::string ProblemText(const FieldProblem& p, const std::string& text);

// Loads a parameter file's contents, read once by the caller, as kelvane-cli
// --par and the web page do: a file that is not the table's parameter file,
// or a stored text the engine could not read, is refused with a
// runtime_error naming the file (and the section and key), before any field
// changes. Values out of range are loaded, to be refused with the rest of
// the texts. noteSource, when given, hears where each stored text came from.
void LoadCheckedParameters(
    const ParameterTable& table, const std::string& caption, const TIniFile& ini,
    const std::string& shownName, EngineHost& host,
    const std::function<void(const FieldRow&, const std::string& source)>& noteSource = {});

// Saves the host's parameters as the Save button does, into the file in place
// (other content of the file is kept). A refused write throws EIniFileError.
void SaveParameterFile(EngineHost& host, const ParameterTable& table, const std::string& fileName);
// What SaveParameterFile writes into a new file, as text.
std::string ParameterFileText(EngineHost& host, const ParameterTable& table);

} // namespace kelvane
