#include "WebEngine.h"

#include "Json.h"
#include "foundations/ChartWords.h"
#include "foundations/Conversions.h"
#include "foundations/Echo.h"
#include "foundations/FileAccess.h"
#include "foundations/GhostTraces.h"
#include "foundations/NearestPoint.h"
#include "foundations/ParameterFile.h"
#include "foundations/RasterCanvas.h"
#include "foundations/TIniFile.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>

namespace kelvane {

namespace {

const char* KindName(FieldKind kind) {
    switch (kind) {
    case FieldKind::Real:
        return "real";
    case FieldKind::Whole:
        return "whole";
    default:
        return "check";
    }
}

std::string AxisJson(const TChartAxis& a) {
    return "{\"automatic\":" + std::string(a.Automatic ? "true" : "false") +
           ",\"autoMin\":" + (a.AutomaticMinimum ? "true" : "false") +
           ",\"autoMax\":" + (a.AutomaticMaximum ? "true" : "false") +
           ",\"min\":" + JsonNumber(a.Minimum()) + ",\"max\":" + JsonNumber(a.Maximum()) +
           ",\"title\":" + JsonText(a.TitleCaption) +
           ",\"visible\":" + (a.Visible ? "true" : "false") + "}";
}

std::string NumberList(const std::vector<double>& values) {
    std::string out = "[";
    for (double v : values)
        out += (out.size() > 1 ? "," : "") + JsonNumber(v);
    return out + "]";
}

std::string TextList(const std::vector<std::string>& lines) {
    std::string out = "[";
    for (const std::string& line : lines)
        out += (out.size() > 1 ? "," : "") + JsonText(line);
    return out + "]";
}

template <class T> emscripten::val CopyOut(const std::vector<T>& values) {
    // A view into the module's memory would move when the memory grows: copy it.
    return emscripten::val(emscripten::typed_memory_view(values.size(), values.data()))
        .call<emscripten::val>("slice");
}

} // namespace

std::unique_ptr<WebEngine> MakeWebEngine(const std::string& name) {
    const EngineEntry* entry = EngineCatalog::Find(name);
    return entry ? std::make_unique<WebEngine>(*entry) : nullptr;
}

std::string Catalog() {
    std::string out = "[";
    for (const EngineEntry* e : EngineCatalog::All()) {
        out += std::string(out.size() > 1 ? "," : "") + "{\"name\":" + JsonText(e->name) +
               ",\"title\":" + JsonText(e->title) + ",\"caption\":" + JsonText(e->caption) +
               ",\"picture\":[" + std::to_string(e->pictureWidth) + "," +
               std::to_string(e->pictureHeight) + "],\"help\":" + JsonText(e->documents) +
               ",\"batch\":" + (e->batch == BatchAction::Calc ? "\"calc\"" : "\"steps\"") +
               ",\"sweeps\":" + (e->makeSweep ? "true" : "false") + "}";
    }
    return out + "]";
}

std::string WebEngine::Design() {
    std::string buttons;
    for (const EngineAction& a : engine_->Actions()) {
        std::string caption = a.caption;
        std::erase(caption, '&');
        buttons += std::string(buttons.empty() ? "" : ",") + "[" + JsonText(caption) + "," +
                   JsonText(a.name) + "," + std::to_string(a.arg) + "]";
    }
    return "{\"charts\":" + std::to_string(engine_->Charts().size()) + ",\"buttons\":[" + buttons +
           "]}";
}

std::string WebEngine::Guarded(const std::function<void()>& action) {
    try {
        action();
        return {};
    } catch (const std::exception& e) {
        std::string message = e.what();
        return message.empty() ? std::string("Error") : message;
    } catch (...) {
        return "Unknown error";
    }
}

std::string WebEngine::State() {
    const EngineTimer& timer = engine_->Timer();
    std::string out = std::string("{\"timer\":") + (timer.Enabled ? "true" : "false") +
                      ",\"interval\":" + std::to_string(timer.Interval) + ",\"sliders\":[";
    bool first = true;
    for (const EngineSlider& s : engine_->Sliders()) {
        const std::optional<int> position = engine_->SliderPosition(s.id);
        out += std::string(first ? "" : ",") + "[" +
               JsonText(host_.Table().RowOf(s.field).control) + "," + std::to_string(s.min) + "," +
               std::to_string(s.max) + "," + (position ? std::to_string(*position) : "null") + "]";
        first = false;
    }
    out += "]";
    // Items of a group go into one object named after it.
    std::string group;
    bool firstInGroup = false;
    for (const EngineStateItem& item : engine_->StateItems()) {
        if (item.group != group) {
            out += group.empty() ? "" : "}";
            group = item.group;
            if (!group.empty())
                out += "," + JsonText(group) + ":{";
            firstInGroup = true;
        }
        if (group.empty() || !firstInGroup)
            out += ",";
        firstInGroup = false;
        out += JsonText(item.name) + ":" +
               (item.flag ? std::string(*item.flag ? "true" : "false") : JsonText(item.text));
    }
    return out + (group.empty() ? "}" : "}}");
}

bool WebEngine::Sweepable(Field field) const {
    if (!sweep_)
        return false;
    for (Field f : sweep_->SweptFields()) {
        if (f == field)
            return true;
    }
    return false;
}

std::vector<TChart*> WebEngine::ChartList() {
    std::vector<TChart*> charts = engine_->Charts();
    // After the engine's charts, the net-work graph's.
    if (sweep_) {
        for (TChart* c : sweep_->Graphs())
            charts.push_back(c);
    }
    return charts;
}

void WebEngine::Act(const std::string& action, int arg) {
    if (action == "show") {
        engine_->Start(Usable());
    } else if (action == "calc" || action == "steps") { // as kelvane-cli --calc or --steps
        engine_->Batch(arg);
    } else if (action == "at") {
        engine_->ClickAtAngle(arg);
    } else if (action == "tick") {
        engine_->Tick();
    } else if (action == "halt") { // stops the crank or pauses the run
        engine_->Halt();
    } else {
        for (const EngineSlider& s : engine_->Sliders()) {
            if (action == std::string(host_.Table().RowOf(s.field).control) + "TB") {
                engine_->Slide(s.id, arg);
                return;
            }
        }
        engine_->Act(action, arg, [this] { return Usable(); });
    }
}

std::string WebEngine::Fields() const {
    std::string out = "[";
    for (const FieldRow& f : host_.Table().fields()) {
        if (out.size() > 1)
            out += ',';
        out += "{\"control\":" + JsonText(f.control) + ",\"label\":" + JsonText(f.label) +
               ",\"unit\":" + JsonText(f.unit) + ",\"default\":" + JsonText(f.defaultText) +
               ",\"kind\":\"" + KindName(f.kind) + "\",\"low\":" + JsonNumber(f.range.lowest) +
               ",\"high\":" + JsonNumber(f.range.highest) +
               ",\"sweep\":" + (Sweepable(f.id) ? "true" : "false") + "}";
    }
    return out + "]";
}

std::string WebEngine::Text(const std::string& control) {
    return host_.FieldText(host_.Table().RowOf(control).id);
}

bool WebEngine::Checked(const std::string& control) {
    return host_.Checked(host_.Table().RowOf(control).id);
}

void WebEngine::Put(const std::string& control, const std::string& text) {
    const FieldRow& row = host_.Table().RowOf(control);
    if (row.IsCheckBox())
        host_.PutChecked(row.id, text == "Y" || text == "y");
    else
        host_.Put(row.id, text);
}

std::string WebEngine::Defaults() {
    return Guarded([this] { ApplyDefaults(); });
}

std::string WebEngine::Problems() {
    std::string out = "[";
    for (const FieldProblem& p : host_.Table().Check(host_)) {
        if (out.size() > 1)
            out += ',';
        out += "{\"control\":" + JsonText(host_.Table().RowOf(p.field).control) +
               ",\"message\":" + JsonText(p.message) + ",\"wording\":" + JsonMessage(p.wording) +
               "}";
    }
    return out + "]";
}

std::string WebEngine::Edit(const std::string& control, const std::string& text) {
    const FieldRow* row = host_.Table().Find(control);
    if (!row || row->IsCheckBox())
        return "No box named " + control;
    host_.Put(row->id, text);
    // A text the engine cannot use leaves the last results on show; once every
    // box is usable again, the edits held back meanwhile need an analysis.
    if (!host_.Table().Check(host_).empty()) {
        hadProblems_ = true;
        return Guarded([this] { engine_->Unusable(); });
    }
    const bool heldBack = hadProblems_;
    hadProblems_ = false;
    return Guarded([this, row, heldBack] { engine_->FieldEdited(row->id, heldBack); });
}

std::string WebEngine::Tick(const std::string& control, bool checked) {
    const FieldRow* row = host_.Table().Find(control);
    if (!row || !row->IsCheckBox())
        return "No check box named " + control;
    host_.PutChecked(row->id, checked);
    return Guarded([this, row] { engine_->FieldEdited(row->id, false); });
}

std::string WebEngine::Run(const std::string& action, int arg) {
    return Guarded([&] { Act(action, arg); });
}

std::string WebEngine::Sweep(const std::string& control) {
    const FieldRow* row = host_.Table().Find(control);
    if (!row || !Sweepable(row->id))
        return control + " cannot be swept";
    // As in the windows; the line above the boxes says why not.
    if (const FieldProblem* p = SweepBlocker(host_.Table().Check(host_), row->id))
        return p->message;
    return Guarded([this, row] {
        // The window sweeps a step of 0 until its graph is closed; the page has
        // nothing to close it with while the sweep holds the page.
        if (sweep_->Step(row->id) == 0) {
            throw std::runtime_error(std::string("Cannot sweep ") + row->control +
                                     ": its step would be 0 and the sweep would never end");
        }
        sweep_->FieldDblClick(row->id);
    });
}

std::string WebEngine::Click(int chart, double x, double plotLeft, double plotRight) {
    std::vector<TChart*> charts = ChartList();
    if (chart < 0 || chart >= static_cast<int>(charts.size()))
        return "No chart " + std::to_string(chart);
    return Guarded([&] {
        engine_->ChartClick(*charts[static_cast<std::size_t>(chart)], x, plotLeft, plotRight);
    });
}

std::string WebEngine::Grid() {
    std::string out = "[";
    for (int r = 0; r < entry_.gridRows; ++r) {
        if (r > 0)
            out += ',';
        out += "[" + JsonText(host_.Cell(0, r)) + "," + JsonText(host_.Cell(1, r)) + "]";
    }
    return out + "]";
}

std::string WebEngine::Charts() {
    std::string out = "[";
    for (TChart* c : ChartList()) {
        if (out.size() > 1)
            out += ',';
        std::string title;
        for (const std::string& line : c->Title)
            title += (title.empty() ? "" : "\n") + line;
        out += "{\"name\":" + JsonText(c->Name) + ",\"title\":" + JsonText(title) +
               ",\"legend\":" + (c->Legend.Visible ? "true" : "false") +
               ",\"bottom\":" + AxisJson(c->BottomAxis) + ",\"left\":" + AxisJson(c->LeftAxis) +
               ",\"right\":" + AxisJson(c->RightAxis) + ",\"series\":[";
        for (int i = 0; i < c->SeriesCount(); ++i) {
            const TLineSeries& s = c->Series(i);
            char colour[8];
            std::snprintf(colour, sizeof colour, "#%06x",
                          static_cast<unsigned>(LegibleOn(s.SeriesColor, clWhite)));
            out += std::string(i ? "," : "") + "{\"name\":" + JsonText(s.Name) +
                   ",\"title\":" + JsonText(s.Title) + ",\"color\":\"" + colour +
                   "\",\"width\":" + std::to_string(s.LinePen.Width) +
                   ",\"line\":" + (s.LinePen.Visible ? "true" : "false") + ",\"pointer\":" +
                   std::to_string(
                       s.Pointer.Visible ? std::max(s.Pointer.HorizSize, s.Pointer.VertSize) : 0) +
                   ",\"legend\":" + (s.ShowInLegend ? "true" : "false") +
                   ",\"right\":" + (s.VertAxis == TVertAxis::Right ? "true" : "false") +
                   ",\"revision\":" + std::to_string(s.Revision()) + "}";
        }
        out += "]}";
    }
    return out + "]";
}

emscripten::val WebEngine::Points(int chart, int series) {
    std::vector<TChart*> charts = ChartList();
    std::vector<double> xy;
    if (chart >= 0 && chart < static_cast<int>(charts.size())) {
        TChart& c = *charts[static_cast<std::size_t>(chart)];
        if (series >= 0 && series < c.SeriesCount()) {
            const TLineSeries& s = c.Series(series);
            xy.reserve(static_cast<std::size_t>(s.Count()) * 2);
            for (int i = 0; i < s.Count(); ++i) {
                xy.push_back(s.XValues()[i]);
                xy.push_back(s.YValues()[i]);
            }
        }
    }
    return CopyOut(xy);
}

emscripten::val WebEngine::Picture(int width, int height) {
    if (width <= 0 || height <= 0 || width > 4000 || height > 4000)
        return CopyOut(std::vector<unsigned char>{});
    RasterCanvas canvas(width, height);
    engine_->DrawPicture(canvas);
    std::vector<unsigned char> rgba;
    rgba.reserve(canvas.Pixels().size() * 4);
    for (TColor c : canvas.Pixels()) {
        rgba.push_back(static_cast<unsigned char>(RedOf(c)));
        rgba.push_back(static_cast<unsigned char>(GreenOf(c)));
        rgba.push_back(static_cast<unsigned char>(BlueOf(c)));
        rgba.push_back(255);
    }
    return CopyOut(rgba);
}

std::string WebEngine::Memo() const {
    return TextList(sweep_ ? sweep_->Memo1 : std::vector<std::string>{});
}

std::string WebEngine::Notes() const {
    std::string out = "[";
    for (const SweepNote& note : sweep_ ? sweep_->Notes : std::vector<SweepNote>{}) {
        out += std::string(out.size() > 1 ? "," : "") + "{\"first\":" + JsonMessage(note.first) +
               ",\"second\":" + (note.second ? JsonMessage(*note.second) : "null") + "}";
    }
    return out + "]";
}

emscripten::val WebEngine::SaveParameters() {
    const std::string bytes = ParameterFileText(host_, host_.Table());
    return CopyOut(std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

std::string WebEngine::LoadParameters(const std::string& shownName, const emscripten::val& bytes) {
    const std::vector<unsigned char> data =
        emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    if (data.size() > MaxReadFileSize) {
        return "Cannot open file \"" + Echo(shownName) +
               "\". It is too large to be a parameter file.";
    }
    // The check boxes as they were: a tick the load changes counts as a click.
    std::vector<std::pair<Field, bool>> ticks;
    for (const FieldRow& row : host_.Table().fields()) {
        if (row.IsCheckBox())
            ticks.emplace_back(row.id, host_.Checked(row.id));
    }
    const std::string refused = Guarded([&] {
        const TIniFile ini(shownName, std::string(data.begin(), data.end()));
        LoadCheckedParameters(host_.Table(), entry_.caption, ini, Echo(shownName), host_);
    });
    if (!refused.empty())
        return refused;
    return Guarded([&] {
        for (const auto& [field, was] : ticks) {
            if (host_.Checked(field) != was)
                engine_->FieldChanged(field);
        }
        hadProblems_ = !Usable();
        engine_->Loaded(!hadProblems_);
    });
}

std::string WebEngine::ReadOut(int chart, double x) {
    std::vector<TChart*> charts = ChartList();
    if (chart < 0 || chart >= static_cast<int>(charts.size()))
        return "[]";
    return TextList(ReadOutAt(*charts[static_cast<std::size_t>(chart)], x));
}

std::string WebEngine::LoopReadOut(double x, double y, double xScale, double yScale) {
    const std::vector<LoopPoint> loop = engine_->Loop();
    const kelvane::LoopReadOut readOut =
        LoopReadOutAt(loop, *engine_->Charts()[4], x, y, xScale, yScale);
    if (readOut.nearest < 0)
        return "{\"lines\":[],\"arrows\":[]}";
    std::vector<std::string> lines;
    for (const ReadOutLine& line : readOut.lines)
        lines.push_back(line.Text());
    std::string arrows = "[";
    for (const TravelArrow& a : TravelArrows(loop, 2))
        arrows += (arrows.size() > 1 ? "," : "") + NumberList({a.fromX, a.fromY, a.toX, a.toY});
    return "{\"lines\":" + TextList(lines) + ",\"arrows\":" + arrows + "]}";
}

std::string WebEngine::Ghosts(int chart) {
    std::vector<TChart*> charts = ChartList();
    if (chart < 0 || chart >= static_cast<int>(charts.size()))
        return "[]";
    std::string out = "[";
    for (const GhostCurve& g : GhostCopies(*charts[static_cast<std::size_t>(chart)])) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%06x",
                      static_cast<unsigned>(LegibleOn(g.color, clWhite)));
        out += std::string(out.size() > 1 ? "," : "") + "{\"x\":" + NumberList(g.x) +
               ",\"y\":" + NumberList(g.y) + ",\"color\":\"" + colour +
               "\",\"right\":" + (g.axis == TVertAxis::Right ? "true" : "false") +
               ",\"line\":" + (g.line ? "true" : "false") + "}";
    }
    return out + "]";
}

std::string WebEngine::Descriptions() {
    std::vector<std::string> charts;
    for (TChart* c : ChartList())
        charts.push_back(DescribeChart(*c));
    int angle = 0;
    const bool atAngle = TryStrToDecimalInt(host_.FieldText(Field::Phase), angle);
    const std::string picture =
        atAngle ? DescribePicture(*engine_->Charts()[0], angle, host_.volumeText) : std::string();
    return "{\"charts\":" + TextList(charts) + ",\"picture\":" + JsonText(picture) + "}";
}

} // namespace kelvane
