#include "ParameterTable.h"

#include "Conversions.h"
#include "EngineHost.h"
#include "TIniFile.h"

#include <algorithm>
#include <climits>

namespace kelvane {

ParameterTable::ParameterTable(Engine engine, std::vector<Row> rows)
    : engine_(engine), rows_(std::move(rows)) {}

const ParameterTable& ParameterTable::Gamma() {
    static const ParameterTable table(
        Engine::Gamma, {
                           {"GammaHot", "Temp", "HotTemp", "300"},
                           {"GammaCold", "Temp", "ColdTemp", "100"},
                           {"GammaDisplacerCylinder", "Height", "DispCylHeight", "100"},
                           {"GammaDisplacerCylinder", "Diameter", "DispCylDiameter", "100"},
                           {"GammaDisplacer", "Height", "DispHeight", "60"},
                           {"GammaPiston", "Diameter", "PistonDiameter", "30"},
                           {"GammaPiston", "Throw", "PistonThrow", "60"},
                           {"GammaPhase", "Offset", "PhaseOffset", "90"},
                       });
    return table;
}

const ParameterTable& ParameterTable::Ringbom() {
    static const ParameterTable table(
        Engine::Ringbom, {
                             {"RingbomHot", "Temp", "HotTemp", "300"},
                             {"RingbomCold", "Temp", "ColdTemp", "100"},
                             {"RingbomDisplacerCylinder", "Height", "DispCylHeight", "100"},
                             {"RingbomDisplacerCylinder", "Diameter", "DispCylDiameter", "100"},
                             {"RingbomDisplacer", "Height", "DispHeight", "60"},
                             {"RingbomDisplacer", "PDiameter", "DPistonDiameter", "10"},
                             {"RingbomPiston", "Diameter", "PistonDiameter", "30"},
                             {"RingbomPiston", "Throw", "PistonThrow", "60"},
                             {"RingbomStripChart", "Enabled", "StripChartCB", "Y", true},
                             {"RingbomAllData", "Enabled", "AllDataCB", "Y", true},
                         });
    return table;
}

const ParameterTable& ParameterTable::Rider() {
    static const ParameterTable table(Engine::Rider,
                                      {
                                          {"RiderHot", "Temp", "HotTemp", "300"},
                                          {"RiderHot", "StrokeMin", "HotStrokeMin", "0"},
                                          {"RiderHot", "StrokeMax", "HotStrokeMax", "50"},
                                          {"RiderCold", "Temp", "ColdTemp", "100"},
                                          {"RiderCold", "StrokeMin", "ColdStrokeMin", "0"},
                                          {"RiderCold", "StrokeMax", "ColdStrokeMax", "100"},
                                          {"RiderBoth", "PhaseOffset", "PhaseOffset", "90"},
                                      });
    return table;
}

void ParameterTable::ReadInto(const TIniFile& ini, EngineHost& host) const {
    for (const Row& row : rows_) {
        std::string text = ini.ReadString(row.section, row.key, row.defaultValue);
        if (row.checkBox)
            host.SetChecked(row.control, text == "Y");
        else
            host.SetFieldText(row.control, text);
    }
}

void ParameterTable::ApplyDefaults(EngineHost& host) const {
    for (const Row& row : rows_) {
        if (row.checkBox)
            host.SetChecked(row.control, row.defaultValue == "Y");
        else
            host.SetFieldText(row.control, row.defaultValue);
    }
}

void ParameterTable::WriteFrom(EngineHost& host, TIniFile& ini) const {
    for (const Row& row : rows_) {
        if (row.checkBox)
            ini.WriteString(row.section, row.key, host.Checked(row.control) ? "Y" : "N");
        else
            ini.WriteString(row.section, row.key, host.FieldText(row.control));
    }
}

namespace {

void MoveTrackBar(const ParameterTable::TrackBarSetter& setTrackBar, const char* name,
                  int position) {
    if (setTrackBar)
        setTrackBar(name, position);
}

void HotTempAndPhaseOffset(EngineHost& host, const ParameterTable::TrackBarSetter& setTrackBar) {
    // 1000 - value in 64 bits: a hot temperature of -2147483648 must not overflow.
    long long hot = 1000LL - StrToInt(host.FieldText("HotTemp"));
    MoveTrackBar(setTrackBar, "HotTempTB", static_cast<int>(std::min<long long>(hot, INT_MAX)));
    MoveTrackBar(setTrackBar, "PhaseOffsetTB", StrToInt(host.FieldText("PhaseOffset")));
}

void RaiseTo(EngineHost& host, const char* field, int lowest) {
    if (StrToInt(host.FieldText(field)) < lowest)
        host.SetFieldText(field, IntToStr(lowest));
}

void LowerTo(EngineHost& host, const char* field, int highest) {
    if (StrToInt(host.FieldText(field)) > highest)
        host.SetFieldText(field, IntToStr(highest));
}

} // namespace

void ParameterTable::FollowUp(EngineHost& host, const TrackBarSetter& setTrackBar) const {
    switch (engine_) {
    case Engine::Gamma:
        HotTempAndPhaseOffset(host, setTrackBar);
        break;
    case Engine::Ringbom: {
        int hot = 0;
        if (TryStrToInt(host.FieldText("HotTemp"), hot))
            MoveTrackBar(setTrackBar, "HotTempTB",
                         static_cast<int>(std::min<long long>(1000LL - hot, INT_MAX)));
        break;
    }
    case Engine::Rider:
        HotTempAndPhaseOffset(host, setTrackBar);
        RaiseTo(host, "HotStrokeMin", 5);
        LowerTo(host, "HotStrokeMax", 100);
        RaiseTo(host, "ColdStrokeMin", 5);
        LowerTo(host, "ColdStrokeMax", 100);
        break;
    }
}

void ParameterTable::ReadIniFile(const TIniFile& ini, EngineHost& host,
                                 const TrackBarSetter& setTrackBar) const {
    ReadInto(ini, host);
    FollowUp(host, setTrackBar);
}

} // namespace kelvane
