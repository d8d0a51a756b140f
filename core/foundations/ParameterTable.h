#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kelvane {

class EngineHost;
class TIniFile;

// The engine parameters a simulator window keeps in the settings file and in
// parameter files: which section and key feed which control, in the order
// they are read and written, with their defaults.
class ParameterTable {
  public:
    enum class Engine { Gamma, Ringbom, Rider };

    struct Row {
        std::string section;
        std::string key;
        std::string control; // edit box or check box name
        std::string defaultValue;
        bool checkBox = false; // stored as "Y"/"N"
    };

    // Moves a track bar of the window ("HotTempTB", "PhaseOffsetTB") to a
    // position. The positions given are raw: the window clamps them to the
    // track bar's range and runs the bar's change handler as it would for any
    // move made from code.
    using TrackBarSetter = std::function<void(const std::string& trackBar, int position)>;

    static const ParameterTable& Gamma();
    static const ParameterTable& Ringbom();
    static const ParameterTable& Rider();

    Engine engine() const { return engine_; }
    const std::vector<Row>& rows() const { return rows_; }

    // Reads every row, in order, into the host: edit boxes get the text, a
    // check box is ticked exactly when the text is "Y".
    void ReadInto(const TIniFile& ini, EngineHost& host) const;
    // Puts every row's default into the host, as reading a missing file does.
    void ApplyDefaults(EngineHost& host) const;
    // Writes every row, in order: edit box texts verbatim, check boxes as "Y"/"N".
    // A refused write throws EIniFileError; the rows after it are not written.
    void WriteFrom(EngineHost& host, TIniFile& ini) const;

    // The steps a window takes after ReadInto, in this order:
    // - Gamma: HotTempTB to 1000 - HotTemp, then PhaseOffsetTB to PhaseOffset.
    // - Ringbom: HotTempTB to 1000 - HotTemp, skipped silently when HotTemp is
    //   not a whole number.
    // - Rider: as Gamma, then HotStrokeMin below 5 becomes "5", HotStrokeMax
    //   above 100 becomes "100", and the same for ColdStrokeMin, ColdStrokeMax.
    // The texts are read from the host when their step comes, so a change made
    // by an earlier step's track-bar handler is seen. A text that must be a whole
    // number and is not throws EConvertError, abandoning the remaining steps;
    // the steps already taken stay. setTrackBar may be empty (no track bars).
    void FollowUp(EngineHost& host, const TrackBarSetter& setTrackBar) const;

    // ReadInto followed by FollowUp: what a window does to load its parameters.
    void ReadIniFile(const TIniFile& ini, EngineHost& host,
                     const TrackBarSetter& setTrackBar) const;

  private:
    ParameterTable(Engine engine, std::vector<Row> rows);

    Engine engine_;
    std::vector<Row> rows_;
};

} // namespace kelvane
