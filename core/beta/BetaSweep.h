#pragma once

#include "beta/BetaEngine.h"
#include "common/ParameterSweep.h"

namespace kelvane {

// The parameter sweep of the Beta window: a double-click on any input box.
// Bore, strokes, mean pressure and speed run from a tenth of their value to
// ten times it in steps of a tenth; the dead and regenerator volumes from 0
// to ten times their value (20 cm3 when it is 0); the phase angle from -175
// to 175 degrees in steps of 5; the hot temperature from the cold one up in
// steps of 10 degrees C, and the cold temperature from 500 degrees below the
// hot one (not below -270) up to it in steps of 5. The graph's temperatures
// are degrees C, its ratio Th / Tc of the kelvin temperatures.
class BetaSweep : public ParameterSweep {
  public:
    BetaSweep(BetaEngine& engine, EngineHost& host);

    static constexpr Field kSweptFields[11] = {
        Field::HotTemp,        Field::ColdTemp,     Field::Bore,          Field::DisplacerStroke,
        Field::PistonStroke,   Field::PhaseAngle,   Field::HotDeadVolume, Field::RegeneratorVolume,
        Field::ColdDeadVolume, Field::MeanPressure, Field::Speed};

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
    BetaEngine& engine_;
};

} // namespace kelvane
