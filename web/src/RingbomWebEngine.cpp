#include "Json.h"
#include "WebEngine.h"
#include "ringbom/RingbomEngine.h"

#include <stdexcept>

namespace kelvane {

namespace {

// The Ringbom window on the page; its AnimateTimer is the page's to run.
class RingbomWebEngine : public WebEngine {
  public:
    RingbomWebEngine() : WebEngine(ParameterTable::Ringbom()) {
        host_.onFieldChange = [this](Field) { engine_.PistonThrowChange(); };
    }

    std::string State() override {
        const auto& timer = engine_.AnimateTimer;
        int hot = 0;
        const bool hotKnown = HotTempPosition(hot);
        return std::string("{\"timer\":") + (timer.Enabled ? "true" : "false") +
               ",\"interval\":" + std::to_string(timer.Interval) +
               ",\"animating\":" + (engine_.animating ? "true" : "false") +
               ",\"pause\":" + JsonText(engine_.PauseButtonCaption) +
               ",\"strip\":" + (engine_.stripControlsEnabled ? "true" : "false") +
               ",\"sliders\":[" + SliderJson("HotTemp", 0, 1000, hotKnown ? &hot : nullptr) + "]}";
    }

  protected:
    void ApplyDefaults() override {
        ParameterTable::Ringbom().ApplyDefaults(host_);
        host_.Put(Field::Phase, "0");
    }

    // Steps read the texts as they go: an edit only stops the run.
    void Edited(Field field, bool) override {
        if (field == Field::StripChartCB)
            engine_.StripChartCBClick();
        else if (field == Field::AllDataCB)
            engine_.AllDataCBClick();
        else
            engine_.PistonThrowChange();
    }
    void Unusable() override { engine_.PistonThrowChange(); }

    void Act(const std::string& action, int arg) override {
        const bool ready = host_.Table().Check(host_).empty();
        if (action == "show") {
            engine_.stripControlsEnabled = host_.Checked(Field::StripChartCB);
            engine_.FormShow(ready);
        } else if (action == "steps") { // as kelvane-cli --steps
            engine_.stripControlsEnabled = host_.Checked(Field::StripChartCB);
            engine_.SetGridLabels();
            engine_.enable = true;
            engine_.ClearButtonClick();
            for (int k = 0; k < arg; ++k)
                engine_.SingleStepButtonClick();
        } else if (action == "go") {
            if (ready)
                engine_.GoButtonClick();
        } else if (action == "pause") {
            if (engine_.animating || ready)
                engine_.PauseButtonClick();
        } else if (action == "single") {
            if (ready)
                engine_.SingleStepButtonClick();
        } else if (action == "clear") {
            engine_.ClearButtonClick();
        } else if (action == "tick") {
            engine_.AnimateTimerTimer();
        } else if (action == "panLeft") {
            engine_.PanLeftButtonClick();
        } else if (action == "panRight") {
            engine_.PanRightButtonClick();
        } else if (action == "at") {
            engine_.ShowAngle(arg);
        } else if (action == "HotTempTB") {
            engine_.HotTempTBChange(arg);
        } else {
            throw std::invalid_argument("The Ringbom engine has no action " + action);
        }
    }

    void ClickChart(const TChart& chart, double x, double left, double right) override {
        engine_.Chart1ClickBackground(chart, x, left, right);
    }
    std::vector<TChart*> ChartList() override {
        return {&engine_.Chart1, &engine_.Chart2, &engine_.Chart3, &engine_.Chart4,
                &engine_.Chart5};
    }
    void Draw(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    int GridRows() const override { return RingbomEngine::kGridRows; }

  private:
    RingbomEngine engine_{host_};
};

} // namespace

std::unique_ptr<WebEngine> MakeRingbomWebEngine() {
    return std::make_unique<RingbomWebEngine>();
}

} // namespace kelvane
