#pragma once

#include "Json.h"
#include "catalog/HostedEngine.h"
#include "common/ParameterSweep.h"
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
class WebEngine : private HostedEngine {
  public:
    using HostedEngine::HostedEngine;

    // The field table: control, label, unit, default, kind, range, sweepable.
    std::string Fields() const;
    // The engine's own part of its tab: how many charts, and its buttons
    // ([caption, action, argument]).
    std::string Design();
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
    // A named action with a whole-number argument: "show" (the window's
    // showing), "calc" or "steps" (the command line's batch), "at" (a click
    // landing on an angle), "tick" (the timer), "halt" (stops what runs), a slider ("HotTempTB"),
    // or one of the engine's own actions.
    std::string Run(const std::string& action, int arg);
    std::string Sweep(const std::string& control);
    // A background click at pixel x of chart `chart`, whose plot area spans
    // plotLeft..plotRight.
    std::string Click(int chart, double x, double plotLeft, double plotRight);

    // What the page shows.
    std::string Grid();
    // The volume read-out in parts, for the page to word in its language.
    std::string VolumeWording() const { return JsonMessage(host_.volumeWording); }
    // Titles, axes and series (name, title, colour, width, axis) of every
    // chart: the engine's, then the sweep's.
    std::string Charts();
    // [x0, y0, x1, y1, ...] of one series.
    emscripten::val Points(int chart, int series);
    // RGBA pixels of the picture on a canvas of width x height.
    emscripten::val Picture(int width, int height);
    std::string Memo() const;
    // The same notes in parts: [{"first": message, "second": message or null}].
    std::string Notes() const;

    // The parameter file of the texts as they stand, byte for byte as the
    // window's Save and kelvane-cli --save-par write it.
    emscripten::val SaveParameters();
    // A parameter file the student picked, as the window's Load reads it: a
    // foreign file, or a text the engine could not read, is refused with a
    // message naming the file, and nothing changes. "" when it loaded.
    std::string LoadParameters(const std::string& shownName, const emscripten::val& bytes);

    // What the mouse read-out shows at x over a chart whose curves run
    // along x: ["Angle: 90", "Pressure: 1.2", ...].
    std::string ReadOut(int chart, double x);
    // The pressure-volume loop's read-out at the point nearest (x, y), with
    // pixels per unit along each axis, and its two direction arrows:
    // {"lines": [...], "arrows": [[fromX, fromY, toX, toY], ...]}.
    std::string LoopReadOut(double x, double y, double xScale, double yScale);
    // Copies of a chart's data curves as they are now, for Hold's ghosts:
    // [{"x": [...], "y": [...], "color", "right", "line"}].
    std::string Ghosts(int chart);
    // Every chart and the picture in words, for screen readers:
    // {"charts": [...], "picture": "..."}.
    std::string Descriptions();
    // The timer, the sliders and whatever else the page keeps for the engine:
    // {"timer", "interval", "sliders": [[control, min, max, position]], ...}.
    std::string State();

  private:
    // A checked action: the message of whatever the engine threw, or "".
    std::string Guarded(const std::function<void()>& action);
    void Act(const std::string& action, int arg);
    bool Usable() { return host_.Table().Check(host_).empty(); }
    bool Sweepable(Field field) const;
    std::vector<TChart*> ChartList();

    bool hadProblems_ = false;
};

// A new engine by its catalog name; nullptr for a name no engine has.
std::unique_ptr<WebEngine> MakeWebEngine(const std::string& name);
// Every engine of the catalog, for the page's tabs: name, title, caption,
// picture size, help pages, batch action and whether it sweeps; made without
// making any engine, as the page asks for it before its first analysis.
std::string Catalog();

} // namespace kelvane
