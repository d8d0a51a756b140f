// The Gamma engine's points of a revolution: the values of each crank angle
// and how they reach the cycle series.
#include "GammaEngine.h"

#include "GammaState.h"
#include "common/SeriesScaling.h"
#include "foundations/WholeDegrees.h"

#include <algorithm>
#include <array>
#include <span>

namespace kelvane {

namespace {

// The columns of a revolution's points, in the order of the series they go to.
enum RevolutionColumn {
    kAngle,
    kDisplacer,
    kPiston,
    kHotVol,
    kColdVol,
    kTotalVol,
    kNHot,
    kNCold,
    kPressure,
    kHotTemp,
    kColdTemp,
    kPVVolume,
    kPVPressure
};

// One row of those columns: the crank angle x and every series' value there.
std::array<double, 13> PointsAt(double x, const GammaState& s) {
    return {x, s.dispPos, s.pistonPos, 100 * s.hotVol / s.maxVol, 100 * s.coldVol / s.maxVol,
            s.currVol / s.maxVol, s.nHot * 100 / s.meanVol, s.nCold * 100 / s.meanVol, s.pC,
            // Equal end temperatures leave no span: the gas is then at the cold end, 0 %.
            Ratio((s.tHot - s.tMaxCold) * 100, s.deltaT),
            Ratio((s.tCold - s.tMaxCold) * 100, s.deltaT), s.currVol / s.maxVol, s.pC};
}

// The series of the columns from kDisplacer to kColdTemp, in their order.
std::array<TLineSeries*, 10> CycleSeries(GammaEngine& e) {
    return {&e.DisplacerSeries, &e.PistonSeries,  &e.HotVolSeries, &e.ColdVolSeries,
            &e.TotalVolSeries,  &e.NHotSeries,    &e.NColdSeries,  &e.PressureSeries,
            &e.HotTempSeries,   &e.ColdTempSeries};
}

} // namespace

void GammaEngine::AddPoints(double x, const GammaState& s) {
    const auto values = PointsAt(x, s);
    const auto series = CycleSeries(*this);
    for (int c = kDisplacer; c <= kColdTemp; ++c)
        series[static_cast<std::size_t>(c - kDisplacer)]->AddXY(x, values[c]);
    PVSeries.AddXY(values[kPVVolume], values[kPVPressure]);
}

void GammaEngine::TrackExtremes() {
    if (state_.tHot < minHot)
        minHot = state_.tHot;
    if (state_.tCold > maxCold)
        maxCold = state_.tCold;
}

// Within a revolution only the crank angle changes (the engine writes it and
// the calcing guard makes that write inert), so the parameters read at the
// first angle hold for the rest. The rows each angle would write are all
// written again once the revolution is done: only the model and the series'
// points are needed here. No local of this function or of the caller's loop
// needs cleaning up, so in WebAssembly its calls stay plain calls: a call
// that may throw past a destructor goes through JavaScript there.
void GammaEngine::TurnRevolution() {
    columns_.front().clear(); // the angles, which count the points
    for (int p = 1; p <= 360; ++p) {
        host_.SetFieldText(Field::Phase, AngleText(p));
        if (complete_)
            EvaluateInRevolution(ReadAngle());
        TrackExtremes();
    }
    AddRevolutionPoints();
}

int GammaEngine::ReadAngle() {
    return AngleOf(host_.FieldText(Field::Phase));
}

void GammaEngine::EvaluateInRevolution(int phase) {
    GammaParameters p = evaluated_;
    p.phase = phase;
    // The revolution's first angle, the last evaluation, has the same
    // parameters but the angle.
    state_ = evaluatedState_;
    state_.TurnTo(p);
    const GammaState& s = state_;
    const auto values = PointsAt(static_cast<double>(phase), s);
    static_assert(std::tuple_size_v<decltype(values)> == std::tuple_size_v<decltype(columns_)>);
    // Every column but the angles' keeps a revolution's room: the angles
    // count the points.
    const std::size_t at = columns_[kAngle].size();
    columns_[kAngle].push_back(values[kAngle]);
    if (columns_[kDisplacer].size() <= at) {
        for (std::size_t c = 1; c < columns_.size(); ++c)
            columns_[c].resize(std::max<std::size_t>(at + 1, 360));
    }
    for (std::size_t c = 1; c < columns_.size(); ++c)
        columns_[c][at] = values[c];
}

void GammaEngine::AddRevolutionPoints() {
    const std::span<const double> angles = columns_[kAngle];
    auto column = [&](int c) { return std::span<const double>(columns_[c]).first(angles.size()); };
    const auto series = CycleSeries(*this);
    for (int c = kDisplacer; c <= kColdTemp; ++c)
        series[static_cast<std::size_t>(c - kDisplacer)]->AddXYs(angles, column(c));
    PVSeries.AddXYs(column(kPVVolume), column(kPVPressure));
}

} // namespace kelvane
