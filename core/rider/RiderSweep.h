#pragma once

#include "common/ParameterSweep.h"
#include "rider/RiderEngine.h"

namespace kelvane {

// The parameter sweep of the two-piston window: a double-click on any of its
// seven parameter boxes. Every value is a whole number the field table
// accepts with the other boxes as they stand, so the engine is never given a
// value the window would refuse:
//  - temperatures from 0 to 700 F (the range of their arrows) in steps of 10;
//  - the phase offset from -175 to 175 degrees in steps of 5, as in the Gamma window;
//  - a stroke limit through every whole value from 5 to 100 that keeps the
//    stroke's minimum at or below its maximum.
// A sweep starts only from boxes that all hold usable texts, and ends before
// a value that a change made meanwhile (an arrow pressed during the sweep)
// has made unusable.
class RiderSweep : public ParameterSweep {
  public:
    RiderSweep(RiderEngine& engine, EngineHost& host);

    static constexpr Field kSweptFields[7] = {
        Field::HotTemp,       Field::ColdTemp,      Field::HotStrokeMin, Field::HotStrokeMax,
        Field::ColdStrokeMin, Field::ColdStrokeMax, Field::PhaseOffset};

    std::span<const Field> SweptFields() const override { return kSweptFields; }
    const ParameterTable& Fields() const override;

  protected:
    std::optional<SweepPlan> Plan(Field field) override;
    std::span<const SweepMemoLine> MemoLines() const override;
    void StopAnimation() override { engine_.StopButtonClick(); }
    void Analyse() override { engine_.CalcButtonClick(); }
    SweepPoint Point() const override;
    bool CanAnalyse() override;

  private:
    RiderEngine& engine_;
};

} // namespace kelvane
