#include "FrameFiles.h"

#include "shell/Languages.h"

#include "foundations/FileAccess.h"
#include "foundations/ParameterFile.h"
#include "foundations/ParameterTable.h"
#include "foundations/TIniFile.h"
#include "shell/SimulatorFrame.h"
#include "widgets/Platform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>

namespace kelvane {

void FrameFiles::Print() {
    Platform::Current().PrintImage(&frame_, frame_.grab().toImage());
}

void FrameFiles::OpenHelp() {
    Platform::Current().OpenDocument(
        QString::fromStdString(frame_.appPath) + frame_.Traits().helpDocument, &frame_);
}

void FrameFiles::OpenTutorial() {
    Platform::Current().OpenDocument(
        QString::fromStdString(frame_.appPath) + frame_.Traits().tutorDocument, &frame_);
}

void FrameFiles::Save() {
    QString file = Platform::Current().SaveFileName(
        &frame_,
        Platform::SuggestedPath(Platform::FileNameOf(frame_.windowTitle(), "parameters.PAR")));
    if (file.isEmpty())
        return;
    Platform::RememberSaveFolder(file);
    frame_.WriteIniFile(file.toStdString());
}

std::optional<TIniFile> FrameFiles::ChooseParameterFile(std::string& badValues) {
    QString file =
        Platform::Current().OpenFileName(&frame_, QString::fromStdString(frame_.appPath));
    if (file.isEmpty())
        return std::nullopt;
    // One read of the file serves the check and the load: one version of it.
    const FileContents contents = ReadRegularFile(file.toStdString());
    TIniFile par(file.toStdString(), contents.bytes);
    std::string refusal;
    if (!CheckParameterFile(par, contents, refusal, badValues)) {
        Platform::Current().ShowMessage(&frame_, QString::fromStdString(refusal));
        return std::nullopt;
    }
    return par;
}

void FrameFiles::ReportBadValues(const std::string& badValues) {
    if (!badValues.empty())
        Platform::Current().ShowMessage(&frame_, QString::fromStdString(badValues));
}

bool FrameFiles::CheckParameterFile(const TIniFile& file, const FileContents& contents,
                                    std::string& refusal, std::string& badValues) const {
    const std::string named = "\"" + file.FileName() + "\"";
    if (!contents.Ok()) {
        refusal = QCoreApplication::translate(
                      "FrameFiles", "The file %1 cannot be read: %2.\nNothing was loaded.")
                      .arg(QString::fromStdString(named), QString::fromStdString(contents.problem))
                      .toStdString();
        return false;
    }
    const FrameTraits& traits = frame_.Traits();
    const ParameterFileCheck check = kelvane::CheckParameterFile(
        *traits.parameters, file, file.FileName(), traits.caption.toStdString());
    for (const ParameterTable::StoredText& s : check.stored) {
        if (s.problem)
            badValues += "\n[" + std::string(s.row->section) + "] " + s.row->key + " = \"" +
                         s.text + "\": " + CoreMessage(s.problem->wording).toStdString();
    }
    if (!check.refusal.pattern.empty()) {
        refusal = CoreMessage(check.refusal).toStdString() + "\n" +
                  QCoreApplication::translate("FrameFiles", "Nothing was loaded.").toStdString();
        return false;
    }
    if (!badValues.empty())
        badValues = QCoreApplication::translate(
                        "FrameFiles",
                        "The file %1 holds values that cannot be used; their boxes are marked:")
                        .arg(QString::fromStdString(named))
                        .toStdString() +
                    badValues;
    return true;
}

void FrameFiles::SaveReport() {
    kelvane::SaveReport(&frame_, [this] { return Report(); });
}

void FrameFiles::CopyGrid() {
    Platform::Current().SetClipboardText(TabSeparated(GridRows(frame_.Grid())));
}

ReportRows FrameFiles::ParameterRows() {
    WidgetHost& host = frame_.Host();
    ReportRows rows;
    for (const FieldRow& row : frame_.Traits().parameters->fields()) {
        if (row.IsCheckBox()) {
            const QCheckBox* box = host.CheckBox(row.id);
            // The caption as read, without its Alt-letter mark.
            rows.emplace_back(QString(box->text()).remove('&'),
                              box->isChecked() ? QCoreApplication::translate("FrameFiles", "on")
                                               : QCoreApplication::translate("FrameFiles", "off"));
            continue;
        }
        QString value = QString::fromStdString(host.FieldText(row.id));
        if (row.unit[0] != '\0')
            value += " " + CoreText(row.unit);
        rows.emplace_back(CoreText(row.label), value);
    }
    return rows;
}

ReportPage FrameFiles::Report() {
    // Grid, picture and charts of one moment: a redraw may be waiting for
    // the display frame's end.
    frame_.SyncCharts();
    ReportPage page;
    page.title = frame_.windowTitle();
    page.date = ReportDate();
    page.parameters = ParameterRows();
    page.grid = GridRows(frame_.Grid());
    page.picture = frame_.Picture()->pixmap().toImage();
    for (int number = 1; number <= 5; ++number) {
        ChartView* chart = frame_.Chart(number);
        if (chart && chart->isVisibleTo(&frame_))
            page.charts.push_back(chart);
    }
    return page;
}

} // namespace kelvane
