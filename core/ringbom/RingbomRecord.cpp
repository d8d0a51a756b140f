#include "RingbomRecord.h"

#include "RingbomModel.h"
#include "common/SeriesScaling.h"

#include <algorithm>

namespace kelvane {

RingbomRecord::RingbomRecord()
    : HiMeanPressureSeries(VolumeChart.AddSeries("HiMeanPressureSeries", "Hi Mean Pressure")),
      LoMeanPressureSeries(VolumeChart.AddSeries("LoMeanPressureSeries", "Lo Mean Pressure")),
      MeanWorkSeries(WorkChart.AddSeries("MeanWorkSeries", "Mean Work")),
      PVPhaseSeries(LoopChart.AddSeries("PVPhaseSeries", "PVPhase")) {
    SetupCharts();
}

void RingbomRecord::SetupCharts() {
    // A little room around the 0 .. 100 % and 0 .. 1 curves.
    PositionChart.LeftAxis.SetMinMax(-3, 103);
    PositionChart.RightAxis.SetMinMax(0, 2);
    VolumeChart.LeftAxis.SetMinMax(-0.03, 1.03);
    VolumeChart.RightAxis.SetMinMax(206, 679);
    VolumeChart.MarginLeft = 6;
    VolumeChart.MarginRight = 2;
    VolumeChart.MarginTop = 5;
    GasChart.LeftAxis.SetMinMax(-3, 103);
    GasChart.RightAxis.SetMinMax(0, 2);
    WorkChart.MarginLeft = 6;
    WorkChart.MarginTop = 5;

    PistonSeries.SetLine(clLime, 2);
    HotVolSeries.SetLine(clRed, 1);
    ColdVolSeries.SetLine(clBlue, 1);
    TotalVolSeries.SetLine(clLime, 2);
    PressureSeries.SetLine(clSilver, 3, true, TVertAxis::Right);
    MeanPressureSeries.SetLine(clBlack, 2, false, TVertAxis::Right);
    HiMeanPressureSeries.SetLine(clBlack, 1, false, TVertAxis::Right);
    LoMeanPressureSeries.SetLine(clBlack, 1, false, TVertAxis::Right);
    MeanWorkSeries.SetLine(clBlue, 2);
    PVSeries.SetLine(clRed, 1);
    PVSeries.SetXOrder(TValueOrder::None);
    PVSeries.Pointer.Visible = true;
    PVSeries.Pointer.HorizSize = PVSeries.Pointer.VertSize = 2;
    PVPhaseSeries.SetLine(clYellow, 1);
    PVPhaseSeries.SetXOrder(TValueOrder::None);
    StyleStateMarker(PVPhaseSeries);
}

std::array<TLineSeries*, 16> RingbomRecord::RecordedSeries() {
    return {&DisplacerSeries,    &PistonSeries,         &HotVolSeries,         &ColdVolSeries,
            &NHotSeries,         &NColdSeries,          &TotalVolSeries,       &PressureSeries,
            &MeanPressureSeries, &HiMeanPressureSeries, &LoMeanPressureSeries, &WorkSeries,
            &MeanWorkSeries,     &HotTempSeries,        &ColdTempSeries,       &PVSeries};
}

// ---------------------------------------------------------------- recording a step

int RingbomRecord::WorkSteps() const {
    return std::min({DisplacerSeries.Count(), PistonSeries.Count(), WorkSeries.Count()});
}

std::optional<double> RingbomRecord::LastPistonMove() const {
    const int n = WorkSteps();
    if (n <= 1)
        return std::nullopt;
    const auto& piston = PistonSeries.YValues();
    return piston[n - 1] - piston[n - 2];
}

std::optional<double> RingbomRecord::RevolutionMeanWork() const {
    const int n = WorkSteps();
    if (n <= kStepsPerRevolution)
        return std::nullopt;
    double tw = 0;
    const auto& work = WorkSeries.YValues();
    for (int k = n - kStepsPerRevolution; k < n; ++k)
        tw += work[k];
    return tw / kStepsPerRevolution;
}

void RingbomRecord::AddStep(const RingbomModel& m, int phase, double work, double meanWork,
                            bool stripMode, bool allData) {
    stripMode_ = stripMode;
    allData_ = allData;
    stepPhase_ = phase;
    stepSlot_ = phase / 5;
    // In fixed-cycle mode an angle outside the revolution has no slot: the step
    // is shown but not recorded in the angle charts.
    slotValid_ = stripMode_ || (phase >= 0 && phase <= 360);

    const double deltaT = m.tMaxHot - m.tMaxCold;
    // 0 to 1 over every gas volume the engine can have. Vmin .. Vmax leaves
    // out the rod, which takes up to Vcyl(dr, t) of the cold space, so a
    // volume scaled by it fell below 0 with the displacer on the hot end.
    const double currTotVol = (m.currVol - m.leastVol) / (m.mostVol - m.leastVol);
    AddPoint(DisplacerSeries, 100 * m.dispPos / m.dispTh);
    AddPoint(PistonSeries, 100 * m.pistonPos / m.pistonTh);
    AddPoint(HotVolSeries, m.hotVol / m.maxVol);
    AddPoint(ColdVolSeries, m.coldVol / m.maxVol);
    AddPoint(TotalVolSeries, currTotVol);
    AddPoint(NHotSeries, 100 * m.nHot / m.meanVol);
    AddPoint(NColdSeries, 100 * m.nCold / m.meanVol);
    // Equal end temperatures leave no span to scale into: both gases sit at the
    // cold end's temperature, 0 % of the span.
    AddPoint(HotTempSeries, deltaT != 0 ? (m.tHot - m.tMaxCold) * 100 / deltaT : 0);
    AddPoint(ColdTempSeries, deltaT != 0 ? (m.tCold - m.tMaxCold) * 100 / deltaT : 0);
    AddPoint(PressureSeries, m.currPressure);
    AddPoint(MeanPressureSeries, m.meanPressure);
    AddPoint(HiMeanPressureSeries, m.meanPressure + 0.4 * (m.maxPressure - m.meanPressure));
    AddPoint(LoMeanPressureSeries, m.meanPressure - 0.4 * (m.maxPressure - m.meanPressure));
    if (stripMode_) {
        PVSeries.AddXY(currTotVol, m.currPressure);
    } else if (slotValid_) {
        slotRecorded_[static_cast<std::size_t>(stepSlot_)] = true;
        LoadFixedCyclePV();
    }
    RescalePressureAxis();
    AddPoint(WorkSeries, work);
    AddPoint(MeanWorkSeries, meanWork);

    ++resultCount;
    // The first two steps after a clear stand at stops chosen without a history.
    if (resultCount == 3 && stripMode_) {
        RemoveFirstPoint();
        RemoveFirstPoint();
    }
    if (stripMode_ && DisplacerSeries.Count() > stripChartMaxSteps)
        DropOldestRevolution();
    // The pressure-volume series grows in both modes.
    if (PVSeries.Count() > stripChartMaxSteps) {
        for (int k = 0; k < kStepsPerRevolution; ++k)
            PVSeries.DeleteFirst();
    }
}

void RingbomRecord::AddPoint(TLineSeries& s, double value) {
    if (!stripMode_) {
        if (slotValid_)
            s.SetYValue(stepSlot_, value);
        return;
    }
    s.AddXY(stepPhase_, value);
    TChartAxis& axis = s.ParentChart->BottomAxis;
    if (allData_)
        axis.SetSpan(AllDataStart(), stepPhase_);
    else if (stepPhase_ > 360)
        axis.SetSpan(stepPhase_ - 360, stepPhase_);
}

void RingbomRecord::RemoveFirstPoint() {
    for (TLineSeries* s : RecordedSeries())
        s->DeleteFirst();
}

void RingbomRecord::DropOldestRevolution() {
    for (TLineSeries* s : RecordedSeries()) {
        if (s == &PVSeries)
            continue; // trimmed on its own count
        for (int k = 0; k < kStepsPerRevolution; ++k)
            s->DeleteFirst();
    }
    trimmed_ = true;
    if (allData_) {
        for (TChart* c : {&PositionChart, &VolumeChart, &GasChart, &WorkChart})
            c->BottomAxis.SetSpan(AllDataStart(), stepPhase_);
    }
}

double RingbomRecord::AllDataStart() const {
    if (trimmed_ && DisplacerSeries.Count() > 0)
        return DisplacerSeries.XValues()[0];
    return 0;
}

void RingbomRecord::RescalePressureAxis() {
    if (PressureSeries.Count() <= 1)
        return;
    const double hi =
        std::max(HiMeanPressureSeries.YValues().MaxValue(), PressureSeries.YValues().MaxValue());
    const double lo = LoMeanPressureSeries.YValues().MinValue();
    VolumeChart.RightAxis.SetSpan(0.99 * lo, 1.01 * hi);
}

// ---------------------------------------------------------------- clearing and viewing

void RingbomRecord::Clear(bool stripMode) {
    resultCount = 0;
    trimmed_ = false;
    stripMode_ = stripMode;
    slotRecorded_.fill(false);
    for (TLineSeries* s : RecordedSeries()) {
        // The pressure-volume loop has no angle slots: it holds recorded steps only.
        if (s == &PVSeries)
            s->Clear();
        else
            ClearSeries(*s, stripMode);
    }
    for (TChart* c : {&PositionChart, &VolumeChart, &GasChart, &WorkChart})
        Set360Axis(*c);
}

void RingbomRecord::ClearSeries(TLineSeries& s, bool stripMode) {
    s.Clear();
    if (!stripMode) {
        for (int k = 0; k <= kStepsPerRevolution; ++k)
            s.AddXY(5 * k, 0);
    }
}

void RingbomRecord::Set360Axis(TChart& c) {
    c.BottomAxis.SetSpan(0, 360);
}

void RingbomRecord::Pan(int degrees) {
    for (TChart* c : {&PositionChart, &VolumeChart, &GasChart, &WorkChart})
        PanChart(*c, degrees);
}

void RingbomRecord::PanChart(TChart& c, int degrees) {
    const double m = DisplacerSeries.XValues().MaxValue();
    double a = c.BottomAxis.Minimum() + degrees;
    double b = c.BottomAxis.Maximum() + degrees;
    if (a < 0) {
        a = 0;
        b = 360;
    } else if (b > m) {
        a = m - 360;
        b = m;
    }
    c.BottomAxis.SetSpan(a, b);
}

void RingbomRecord::ShowAll(bool allData, int phase) {
    for (TChart* c : {&PositionChart, &VolumeChart, &GasChart, &WorkChart})
        ShowAllChart(*c, allData, phase);
    LoadPVSeries(allData && DisplacerSeries.Count() > 0);
}

void RingbomRecord::ShowAllChart(TChart& c, bool allData, int phase) {
    if (allData && DisplacerSeries.Count() > 0)
        c.BottomAxis.SetSpan(AllDataStart(), DisplacerSeries.XValues().MaxValue());
    else if (phase < 180)
        c.BottomAxis.SetSpan(0, 360);
    else
        c.BottomAxis.SetSpan(phase - 180.0, phase + 180.0);
}

void RingbomRecord::LoadFixedCyclePV() {
    PVSeries.Clear();
    const auto& pressure = PressureSeries.YValues();
    const auto& volume = TotalVolSeries.YValues();
    // 0 and 360 degrees are one crank position: once 360 is recorded it is
    // the newer of the two.
    const std::size_t first = slotRecorded_.back() ? 1 : 0;
    for (std::size_t k = first; k < slotRecorded_.size(); ++k) {
        if (slotRecorded_[k])
            PVSeries.AddXY(volume[static_cast<int>(k)], pressure[static_cast<int>(k)]);
    }
    // A whole revolution is a closed loop: 360 degrees runs on into 5.
    if (slotRecorded_.back() && slotRecorded_[1])
        PVSeries.AddXY(volume[1], pressure[1]);
}

void RingbomRecord::LoadPVSeries(bool allData) {
    if (!stripMode_) {
        LoadFixedCyclePV();
        PVPhaseSeries.Clear();
        return;
    }
    PVSeries.Clear();
    PVPhaseSeries.Clear();
    const auto& x = PressureSeries.XValues();
    const auto& pressure = PressureSeries.YValues();
    const auto& volume = TotalVolSeries.YValues();
    const int n = std::min(PressureSeries.Count(), TotalVolSeries.Count());
    const double lo = VolumeChart.BottomAxis.Minimum();
    const double hi = VolumeChart.BottomAxis.Maximum();
    for (int j = 1; j < n; ++j) {
        if (allData || (x[j] >= lo && x[j] <= hi))
            PVSeries.AddXY(volume[j], pressure[j]);
    }
}

} // namespace kelvane
