#pragma once

#include "foundations/Canvas.h"
#include "foundations/MapHost.h"
#include "foundations/ParameterTable.h"
#include "foundations/TChart.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kelvane {

// Raised for an option that the chosen engine does not take; the runner answers
// with the usage text and status 2.
class CliUsageError : public std::runtime_error {
  public:
    // withUsage: the usage text follows the message; a mistake the message
    // itself fully explains (a misspelt field) is told in its one line.
    explicit CliUsageError(const std::string& message, bool withUsage = true)
        : std::runtime_error(message), withUsage(withUsage) {}
    bool withUsage;
};

// One engine as the command-line companion drives it: the same core as the
// window, with a map host standing in for the window's controls.
class CliEngine {
  public:
    virtual ~CliEngine() = default;

    virtual MapHost& Host() = 0;
    // Fills the host with the settings-file defaults of every parameter.
    virtual void ApplyDefaults() = 0;

    // Actions; the defaults refuse, as the engine does not have them.
    virtual void Calc(int /*times*/) {
        throw CliUsageError("--calc is not an action of this engine");
    }
    virtual void Steps(int /*count*/) {
        throw CliUsageError("--steps is not an action of this engine");
    }
    virtual void Sweep(const std::string& /*field*/) {
        throw CliUsageError("--sweep is not an action of this engine");
    }
    // Acts as a chart click that lands on the angle.
    virtual void At(int angle) = 0;

    // Every chart whose series can be written, in window order (after a sweep:
    // the net-work graph window's charts).
    virtual std::vector<TChart*> Charts() = 0;
    virtual std::pair<int, int> DefaultPictureSize() const = 0;
    virtual void DrawPicture(Canvas& canvas) = 0;
    virtual std::vector<std::string> Memo() const { return {}; }
    // Number of rows of the statistics grid.
    virtual int GridRows() const = 0;
};

// What the three companions share: an engine of type E on a map host of its
// own field table; its picture, grid and (until a companion says otherwise)
// its five charts.
template <class E> class CliEngineOf : public CliEngine {
  public:
    explicit CliEngineOf(const ParameterTable& fields) : host_(fields) {}

    MapHost& Host() override { return host_; }
    std::vector<TChart*> Charts() override {
        return {&engine_.Chart1, &engine_.Chart2, &engine_.Chart3, &engine_.Chart4,
                &engine_.Chart5};
    }
    std::pair<int, int> DefaultPictureSize() const override {
        return {E::kPictureWidth, E::kPictureHeight};
    }
    void DrawPicture(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    int GridRows() const override { return E::kGridRows; }
    E& Engine() { return engine_; }

  protected:
    MapHost host_;
    E engine_{host_};
};

// nullptr for an engine name the companion does not know (or not yet).
std::unique_ptr<CliEngine> MakeCliEngine(const std::string& name);
std::unique_ptr<CliEngine> MakeRingbomCliEngine();
std::unique_ptr<CliEngine> MakeRiderCliEngine();

} // namespace kelvane
