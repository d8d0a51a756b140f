#pragma once

#include "common/ParameterSweep.h"
#include "gamma/GammaEngine.h"

namespace kelvane {

// The parameter sweep of the Gamma window: a double-click on one of the six
// yellow fields. Lengths run from a tenth of the field's value to ten times
// it (at most 1,000,000) in steps of a tenth, until the first value beyond
// that; the displacer height from a base of 0.099 x its cylinder's height; the
// phase offset from -175 to 175 degrees in steps of 5.
class GammaSweep : public ParameterSweep {
  public:
    GammaSweep(GammaEngine& engine, EngineHost& host);

    // The six fields a double-click sweeps, in the window's tab order.
    static constexpr Field kYellowFields[6] = {Field::DispCylHeight,  Field::DispCylDiameter,
                                               Field::DispHeight,     Field::PistonThrow,
                                               Field::PistonDiameter, Field::PhaseOffset};

    std::span<const Field> SweptFields() const override { return kYellowFields; }
    const ParameterTable& Fields() const override;

  protected:
    std::optional<SweepPlan> Plan(Field field) override;
    std::span<const SweepMemoLine> MemoLines() const override;
    void StopAnimation() override { engine_.StopButtonClick(); }
    void Analyse() override { engine_.CalcButtonClick(); }
    SweepPoint Point() const override;

  private:
    GammaEngine& engine_;
};

} // namespace kelvane
