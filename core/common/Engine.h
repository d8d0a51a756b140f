#pragma once

#include "foundations/Canvas.h"
#include "foundations/Field.h"
#include "foundations/LoopTravel.h"
#include "foundations/TChart.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The one timer a window runs for its engine: the animation of an engine
// turned by a crank, the step timer of an engine run step by step. The window
// follows it after every call into the engine and calls Tick on each timeout.
struct EngineTimer {
    bool Enabled = false;
    int Interval = 100; // ms
};

// A slider of the input panel that follows a field's text.
struct EngineSlider {
    TrackBar id;
    Field field;
    int min = 0;
    int max = 0;
    // The minimum at the far end (top or right): the hot-temperature slider.
    bool inverted = false;
};

// A button of the engine's window, and the same action on the page.
struct EngineAction {
    const char* name;    // the page's name for it: "calcButton", "go", ...
    const char* caption; // the window's caption, with its mnemonic: "&Calc"
    int arg = 0;         // what the button passes to Act (a speed's interval)
};

// A value a front end without a window keeps for the engine (the page's
// Pause caption, whether a delayed recalculation is due, which up-down steps
// which box). group names an object the item belongs to ("" for none).
struct EngineStateItem {
    std::string group;
    std::string name;
    std::optional<bool> flag; // a yes/no value; else text
    std::string text;
};

// What every engine offers its front ends: the windows, the command line,
// the page and the test rigs drive an engine only through these verbs, so
// none of them needs to know which engine it drives.
//
// Texts live in the host: the engine reads and writes them through the
// EngineHost it was made with. A front end without a window starts an engine
// with OpenWithoutWindow, puts the default texts into its host, then calls
// TextsPut; a window runs Start at the end of every showing.
class ParameterTable;

class Engine {
  public:
    virtual ~Engine() = default;

    // The engine's part of showing its window, once the texts are read: the
    // grid's labels, then, when usable (every text checks out), its start
    // actions (an analysis and the animation, or the run).
    virtual void Start(bool usable) = 0;
    // Without a window: the state a shown window is in before its texts arrive.
    virtual void OpenWithoutWindow() {}
    // Without a window: the default texts are in the host; the crank stays at rest.
    virtual void TextsPut() {}

    // A field's text changed: a user's edit, a slider, an up-down or the
    // engine's own write (each engine's guards make its own writes inert).
    virtual void FieldChanged(Field field) = 0;
    // A user's edit once every text checks out again; heldBack says that
    // edits were held back meanwhile, so the results on show are stale.
    virtual void FieldEdited(Field field, bool /*heldBack*/) { FieldChanged(field); }
    // A user typed a text the engine cannot use: what runs stops.
    virtual void Unusable() { Halt(); }

    // Stops the crank or pauses the run.
    virtual void Halt() = 0;
    // One timeout of the timer.
    virtual void Tick() = 0;
    virtual const EngineTimer& Timer() const = 0;

    // A click on a chart's background at pixel column x of a plot area that
    // runs from plotLeft to plotRight.
    virtual void ChartClick(const TChart& chart, double x, double plotLeft, double plotRight) = 0;
    // The same once the angle the click lands on is known (kelvane-cli --at).
    virtual void ClickAtAngle(long long angle) = 0;

    // The command line's action, count times, with the crank at rest: the
    // analysis of a revolution, or single steps from a cleared record.
    virtual void Batch(int count) = 0;
    // The engine's own buttons, in the window's order; Act runs one by name.
    // usable is asked only by actions that need usable texts (it may move
    // the focus to the first marked box).
    virtual std::span<const EngineAction> Actions() const = 0;
    virtual void Act(std::string_view action, int arg, const std::function<bool()>& usable) = 0;

    // Every chart of the window, in order: the only store of the results.
    virtual std::vector<TChart*> Charts() = 0;
    // Writes the row labels into column 0 of the statistics grid.
    virtual void SetGridLabels() = 0;
    // Draws the cut-away picture on the canvas; nothing before the window is shown.
    virtual void DrawPicture(Canvas& canvas) const = 0;

    // The sliders of the input panel, with their ranges.
    virtual std::span<const EngineSlider> Sliders() const { return {}; }
    // A slider moved to a position (by the user, or from code).
    virtual void Slide(TrackBar /*slider*/, int /*position*/) {}
    // Where a slider stands; nothing while its field's text is not a whole number.
    virtual std::optional<int> SliderPosition(TrackBar /*slider*/) { return std::nullopt; }

    // What a front end without a window keeps beside the timer and sliders.
    virtual std::vector<EngineStateItem> StateItems() const { return {}; }

    // The pressure-volume loop in the order the engine travels it, for the
    // read-out and its direction arrows.
    virtual std::vector<LoopPoint> Loop() const = 0;
    // A parameter file was loaded: the results must belong to the texts now
    // shown. An engine turned by a crank analyses them (and stops on texts it
    // cannot use, or on an analysis that fails, which would otherwise be
    // reported again at every tick).
    virtual void Loaded(bool usable) {
        if (!usable) {
            Halt();
            return;
        }
        try {
            Act("calcButton", 0, [] { return true; });
        } catch (...) {
            Halt();
            throw;
        }
    }
};

} // namespace kelvane
