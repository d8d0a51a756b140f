#include "WebEngine.h"
#include "rider/RiderDefaults.h"
#include "rider/RiderEngine.h"

#include <stdexcept>

namespace kelvane {

namespace {

// The two-piston window on the page. Its delayed recalculation (GraphTimer)
// is the page's to time: State says when it is armed.
class RiderWebEngine : public WebEngine {
  public:
    RiderWebEngine() : WebEngine(ParameterTable::Rider()) {
        host_.onFieldChange = [this](Field field) { engine_.FieldChanged(field); };
    }

    std::string State() override {
        return std::string("{\"animate\":") + (engine_.animate ? "true" : "false") +
               ",\"interval\":" + std::to_string(engine_.timerInterval) +
               ",\"graphTimer\":" + (engine_.graphTimerArmed ? "true" : "false") +
               ",\"sliders\":[" +
               SliderJson("HotTemp", engine_.HotTempTB.Min, engine_.HotTempTB.Max,
                          &engine_.HotTempTB.Position) +
               "," +
               SliderJson("PhaseOffset", engine_.PhaseOffsetTB.Min, engine_.PhaseOffsetTB.Max,
                          &engine_.PhaseOffsetTB.Position) +
               "],\"upDowns\":{" + UpDownsJson() + "}}";
    }

  protected:
    void ApplyDefaults() override { StartFromDefaults(engine_, host_); }

    void Edited(Field field, bool) override { engine_.FieldChanged(field); }

    void Act(const std::string& action, int arg) override {
        const bool ready = host_.Table().Check(host_).empty();
        if (action == "show") {
            engine_.FormShow(ready);
        } else if (action == "calc") { // as kelvane-cli --calc: the animation stopped
            engine_.StopButtonClick();
            for (int i = 0; i < arg; ++i)
                engine_.CalcButtonClick();
        } else if (CrankAction(engine_, action, arg, ready)) {
        } else if (action == "graphTimer") {
            engine_.GraphTimerTimer();
        } else if (action == "at") {
            // A plot area 360 pixels wide puts each pixel on one degree.
            engine_.Chart1ClickBackground(engine_.Chart1, arg, 0, 360);
        } else if (action == "HotTempTB") {
            engine_.SetHotTempTBPosition(arg);
        } else if (action == "PhaseOffsetTB") {
            engine_.SetPhaseOffsetTBPosition(arg);
        } else if (action.rfind("UpDown", 0) == 0) { // arg: 1 up, 0 down
            engine_.UpDownClick(action, arg != 0);
        } else {
            throw std::invalid_argument("The two-piston engine has no action " + action);
        }
    }

    void ClickChart(const TChart& chart, double x, double left, double right) override {
        engine_.Chart1ClickBackground(chart, x, left, right);
    }
    std::vector<TChart*> ChartList() override { return engine_.Charts(); }
    void Draw(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    int GridRows() const override { return RiderEngine::kGridRows; }

  private:
    // Which up-down steps which box: "HotStrokeMin":"UpDown1", ...
    std::string UpDownsJson() {
        std::string out;
        for (int i = 1; i <= 8; ++i) {
            const std::string name = "UpDown" + std::to_string(i);
            if (const RiderUpDown* u = engine_.FindUpDown(name)) {
                out += std::string(out.empty() ? "" : ",") + "\"" +
                       host_.Table().RowOf(u->Associate).control + "\":\"" + name + "\"";
            }
        }
        return out;
    }

    RiderEngine engine_{host_};
};

} // namespace

std::unique_ptr<WebEngine> MakeRiderWebEngine() {
    return std::make_unique<RiderWebEngine>();
}

} // namespace kelvane
