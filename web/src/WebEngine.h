#pragma once

#include "foundations/Canvas.h"
#include "foundations/MapHost.h"
#include "foundations/ParameterTable.h"
#include "foundations/TChart.h"

#include <emscripten/val.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kelvane {

// One engine as the web page drives it: the same core as the window, on a map
// host that stands in for the window's controls. The page reads everything it
// shows (grid, chart points, picture, notes) after each action; texts cross
// to JavaScript as JSON, points and pixels as typed arrays.
//
// Every action catches what the engine throws and returns its message ("" when
// it went well), as the window's error report would show it: an exception must
// not unwind into JavaScript, which could not tell one from another.
class WebEngine {
  public:
    explicit WebEngine(const ParameterTable& table);
    virtual ~WebEngine() = default;
    WebEngine(const WebEngine&) = delete;
    WebEngine& operator=(const WebEngine&) = delete;

    // The field table: control, label, unit, default, kind, range, sweepable.
    std::string Fields() const;
    std::string Text(const std::string& control);
    bool Checked(const std::string& control);
    // Sets a text (or ticks a box with "Y") without any change handler, as
    // kelvane-cli --set does.
    void Put(const std::string& control, const std::string& text);
    // Every field at the settings-file defaults, as the command line starts.
    std::string Defaults();
    // The texts the engine cannot use: [{control, message}], in table order.
    std::string Problems();

    // The page's own actions on the engine.
    // A user's edit of a box: the text, then what the window does with it.
    std::string Edit(const std::string& control, const std::string& text);
    // A tick of a check box.
    std::string Tick(const std::string& control, bool checked);
    // A named action with a whole-number argument (see each engine's Act).
    std::string Run(const std::string& action, int arg);
    std::string Sweep(const std::string& control);
    // A background click at pixel x of chart `chart`, whose plot area spans
    // plotLeft..plotRight.
    std::string Click(int chart, double x, double plotLeft, double plotRight);

    // What the page shows.
    std::string Grid();
    std::string VolumeText() const { return host_.volumeText; }
    // Titles, axes and series (name, title, colour, width, axis) of every chart.
    std::string Charts();
    // [x0, y0, x1, y1, ...] of one series.
    emscripten::val Points(int chart, int series);
    // RGBA pixels of the picture on a canvas of width x height.
    emscripten::val Picture(int width, int height);
    std::string Memo() const;
    // The timers and buttons the page keeps: animate, interval, and so on.
    virtual std::string State() = 0;

  protected:
    // A checked action: the message of whatever the engine threw, or "".
    std::string Guarded(const std::function<void()>& action);
    // A slider for State: ["HotTemp", min, max, position]; the position is null
    // while the field's text is not a whole number.
    static std::string SliderJson(const char* control, int min, int max, const int* position);
    // The position of the Gamma and Ringbom windows' hot-temperature slider.
    bool HotTempPosition(int& position);
    virtual void ApplyDefaults() = 0;
    virtual void Edited(Field field, bool heldBack) = 0;
    virtual void Unusable() {}
    virtual void Act(const std::string& action, int arg) = 0;
    virtual void SweepField(Field /*field*/) {}
    virtual void ClickChart(const TChart& chart, double x, double left, double right) = 0;
    virtual std::vector<TChart*> ChartList() = 0;
    virtual void Draw(Canvas& canvas) = 0;
    virtual int GridRows() const = 0;
    virtual std::vector<std::string> Notes() const { return {}; }
    virtual bool Sweepable(Field /*field*/) const { return false; }

    MapHost host_;

  private:
    bool hadProblems_ = false;
};

// The buttons and timer of an engine that turns a crank (Gamma, two-piston),
// as their windows have them: Calc and the speeds only on usable texts. False
// for any other action.
template <class E> bool CrankAction(E& engine, const std::string& action, int arg, bool ready) {
    if (action == "calcButton") {
        if (ready)
            engine.CalcButtonClick();
    } else if (action == "speed") {
        if (ready)
            engine.SpeedButtonClick(arg);
    } else if (action == "stop") {
        engine.StopButtonClick();
    } else if (action == "tick") {
        engine.Timer1Timer();
    } else {
        return false;
    }
    return true;
}

std::unique_ptr<WebEngine> MakeWebEngine(const std::string& name);

} // namespace kelvane
