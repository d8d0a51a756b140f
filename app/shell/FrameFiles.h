#pragma once

#include "foundations/FileAccess.h"
#include "foundations/TIniFile.h"
#include "widgets/ReportWriter.h"

#include <optional>
#include <string>

namespace kelvane {

class SimulatorFrame;

// What a simulator window does with files, paper and documents: prints
// itself, opens its help and tutorial, saves and loads its parameters,
// writes its one-page report and copies its grid.
class FrameFiles {
  public:
    explicit FrameFiles(SimulatorFrame& frame) : frame_(frame) {}

    void Print();
    void OpenHelp();
    void OpenTutorial();
    // Asks for a file and writes the parameters to it.
    void Save();
    // Asks for a parameter file and reads it once; nothing when none is
    // chosen or the file is refused (which is said). badValues as
    // CheckParameterFile gives it.
    std::optional<TIniFile> ChooseParameterFile(std::string& badValues);
    // Says which of a loaded file's values could not be used, if any.
    void ReportBadValues(const std::string& badValues);
    // Whether a file may be loaded as the window's parameters: false, with
    // the message naming it, for a file that cannot be read or holds none of
    // the window's keys. badValues names the file's keys whose values fail
    // their check ("" when none).
    bool CheckParameterFile(const TIniFile& file, const FileContents& contents,
                            std::string& refusal, std::string& badValues) const;

    // Asks for a PDF file and writes the window's report to it.
    void SaveReport();
    // The statistics grid's rows on the clipboard, tab-separated.
    void CopyGrid();
    // Title, date, parameters, grid, picture and the charts on show.
    ReportPage Report();
    // The parameters as the report lists them: label, then text and unit.
    ReportRows ParameterRows();

  private:
    SimulatorFrame& frame_;
};

} // namespace kelvane
