#include "Json.h"
#include "WebEngine.h"
#include "foundations/Conversions.h"
#include "gamma/GammaEngine.h"
#include "gamma/GammaSweep.h"

#include <stdexcept>

namespace kelvane {

namespace {

// The Gamma window on the page: its charts, then the net-work graph's four.
class GammaWebEngine : public WebEngine {
  public:
    GammaWebEngine() : WebEngine(ParameterTable::Gamma()) {
        // As the window's edit boxes do: every write runs the change handler,
        // which the engine's own guards make inert while it writes the crank angle.
        host_.onFieldChange = [this](Field) { engine_.PistonThrowChange(); };
        engine_.SetGridLabels();
        engine_.enable = true;
    }

    std::string State() override {
        int hot = 0, offset = 0;
        const bool hotKnown = HotTempPosition(hot);
        const bool offsetKnown = TryStrToInt(host_.FieldText(Field::PhaseOffset), offset);
        return std::string("{\"animate\":") + (engine_.animate ? "true" : "false") +
               ",\"interval\":" + std::to_string(engine_.timerInterval) + ",\"sliders\":[" +
               SliderJson("HotTemp", 0, 1000, hotKnown ? &hot : nullptr) + "," +
               SliderJson("PhaseOffset", -175, 175, offsetKnown ? &offset : nullptr) + "]}";
    }

  protected:
    void ApplyDefaults() override {
        ParameterTable::Gamma().ApplyDefaults(host_);
        host_.Put(Field::Phase, "0");
    }

    void Edited(Field field, bool heldBack) override {
        if (field == Field::Phase && !heldBack)
            engine_.PhaseEdited();
        else
            engine_.PistonThrowChange();
    }

    void Unusable() override { engine_.StopButtonClick(); }

    void Act(const std::string& action, int arg) override {
        const bool ready = host_.Table().Check(host_).empty();
        if (action == "show") {
            engine_.FormShow(ready);
        } else if (action == "calc") { // as kelvane-cli --calc: the animation stopped
            engine_.animate = false;
            for (int i = 0; i < arg; ++i)
                engine_.CalcButtonClick();
        } else if (CrankAction(engine_, action, arg, ready)) {
        } else if (action == "at") {
            engine_.ClickAtAngle(arg);
        } else if (action == "HotTempTB") {
            engine_.HotTempTBChange(arg);
        } else if (action == "PhaseOffsetTB") {
            engine_.PhaseOffsetTBChange(arg);
        } else {
            throw std::invalid_argument("The Gamma engine has no action " + action);
        }
    }

    bool Sweepable(Field field) const override {
        for (Field f : GammaSweep::kYellowFields) {
            if (f == field)
                return true;
        }
        return false;
    }

    void SweepField(Field field) override {
        // The window sweeps a step of 0 until its graph is closed; the page has
        // nothing to close it with while the sweep holds the page.
        if (sweep_.Step(field) == 0) {
            throw std::runtime_error(std::string("Cannot sweep ") +
                                     host_.Table().RowOf(field).control +
                                     ": its step would be 0 and the sweep would never end");
        }
        sweep_.FieldDblClick(field);
    }

    void ClickChart(const TChart& chart, double x, double left, double right) override {
        engine_.Chart1ClickBackground(chart, x, left, right);
    }

    // Indices 5 to 8 are the net-work graph's charts.
    std::vector<TChart*> ChartList() override {
        return {&engine_.Chart1, &engine_.Chart2, &engine_.Chart3, &engine_.Chart4, &engine_.Chart5,
                &sweep_.Chart1,  &sweep_.Chart2,  &sweep_.Chart3,  &sweep_.Chart4};
    }
    void Draw(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    int GridRows() const override { return GammaEngine::kGridRows; }
    std::vector<std::string> Notes() const override { return sweep_.Memo1; }

  private:
    GammaEngine engine_{host_};
    GammaSweep sweep_{engine_, host_};
};

} // namespace

std::unique_ptr<WebEngine> MakeGammaWebEngine() {
    return std::make_unique<GammaWebEngine>();
}

} // namespace kelvane
