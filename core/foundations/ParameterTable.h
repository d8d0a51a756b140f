#pragma once

#include "Field.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

class EngineHost;
class TIniFile;

// An engine's field table: every field it reads or writes, in the order the
// stored ones are read from and written to the settings file and to parameter
// files, with their keys and defaults. The tables themselves live beside their
// engines (<Engine>Fields.cpp); the windows'
// field lists, kelvane-cli --set and the test rigs are built from them.
class ParameterTable {
  public:
    // Moves a track bar of the window to a position. The positions given are
    // raw: the window clamps them to the track bar's range and runs the bar's
    // change handler as it would for any move made from code.
    using TrackBarSetter = std::function<void(TrackBar trackBar, int position)>;

    // The engine's own steps after its texts are read (see FollowUp).
    using FollowUpSteps = void (*)(EngineHost& host, const TrackBarSetter& setTrackBar);

    // Each stored row's section is put after sectionPrefix, the engine's name.
    ParameterTable(const char* sectionPrefix, std::span<const FieldRow> fields,
                   FollowUpSteps followUp, std::span<const FieldOrder> orders = {});
    // The rows point into the table's own section names.
    ParameterTable(const ParameterTable&) = delete;
    ParameterTable& operator=(const ParameterTable&) = delete;

    // Every field of the engine, stored or not.
    const std::vector<FieldRow>& fields() const { return fields_; }
    // The stored fields, in settings-file order.
    const std::vector<FieldRow>& rows() const { return rows_; }
    const FieldRow* Find(Field f) const;
    // By control name, exactly as spelled; nullptr for a name the engine lacks.
    const FieldRow* Find(std::string_view control) const;
    // Throw std::logic_error for a field the engine lacks: a program error.
    const FieldRow& RowOf(Field f) const;
    const FieldRow& RowOf(std::string_view control) const;

    // Reads every row, in order, into the host: edit boxes get the text, a
    // check box is ticked exactly when the text is "Y".
    void ReadInto(const TIniFile& ini, EngineHost& host) const;
    // Puts every row's default into the host, as reading a missing file does.
    void ApplyDefaults(EngineHost& host) const;
    // Writes every row, in order: edit box texts verbatim, check boxes as "Y"/"N",
    // in one replace of the file (joining an Update of ini already under way).
    // A refused write throws EIniFileError and leaves the file as it was.
    void WriteFrom(EngineHost& host, TIniFile& ini) const;

    // The steps a window takes after ReadInto (each engine's table says which).
    // The texts are read from the host when their step comes, so a change made
    // by an earlier step's track-bar handler is seen. A text that must be a whole
    // number and is not throws EConvertError, abandoning the remaining steps;
    // the steps already taken stay. setTrackBar may be empty (no track bars).
    void FollowUp(EngineHost& host, const TrackBarSetter& setTrackBar) const;

    // Every field whose text the engine cannot use, in table order: not a
    // number, not a whole number where one is needed, out of the field's range,
    // or out of order with another field. Check boxes are never a problem.
    // Empty when the engine can compute with every text.
    std::vector<FieldProblem> Check(EngineHost& host) const;
    // The same for one field alone, without the order of fields.
    std::optional<FieldProblem> CheckText(const FieldRow& row, const std::string& text) const;
    // The values Check lets a field take with the other fields as they stand:
    // its own range, narrowed by each field it must stay in order with (one
    // whose text cannot be used narrows nothing).
    FieldRange RangeOf(Field field, EngineHost& host) const;

    // A stored row that a file holds: its text as read, and what is wrong
    // with that text alone (never anything for a check box).
    struct StoredText {
        const FieldRow* row;
        std::string text;
        std::optional<FieldProblem> problem;
    };
    // The stored rows the file holds, in table order; rows it lacks are left out.
    std::vector<StoredText> StoredTexts(const TIniFile& ini) const;

    // ReadInto followed by FollowUp: what a window does to load its parameters.
    void ReadIniFile(const TIniFile& ini, EngineHost& host,
                     const TrackBarSetter& setTrackBar) const;

  private:
    FollowUpSteps followUp_;
    std::vector<std::string> sections_; // of the stored rows; never resized once built
    std::vector<FieldRow> fields_;
    std::vector<FieldRow> rows_;
    std::vector<FieldOrder> orders_;
};

} // namespace kelvane
