#pragma once

#include "catalog/HostedEngine.h"
#include "foundations/Canvas.h"
#include "foundations/MapHost.h"
#include "foundations/TChart.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvane {

class ParameterSweep;

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

// One engine of the catalog as the command-line companion drives it: the same
// core as the window, with a map host standing in for the window's controls,
// shown but at rest.
class CliEngine : public HostedEngine {
  public:
    using HostedEngine::HostedEngine;

    // --calc N or --steps N.
    void Batch(int count) { engine_->Batch(count); }
    // The double-click sweep of the field named on the command line. A field
    // that does not sweep is a usage error; a step of 0 is refused: the window
    // runs it until the user closes the net-work graph window, and here there
    // is none to close.
    void Sweep(const std::string& field);
    // Acts as a chart click that lands on the angle.
    void At(int angle) { engine_->ClickAtAngle(angle); }

    // Every chart whose series can be written, in window order (after a sweep:
    // the net-work graph window's charts).
    std::vector<TChart*> Charts();
    void DrawPicture(Canvas& canvas) { engine_->DrawPicture(canvas); }
    std::vector<std::string> Memo() const;

  private:
    bool swept_ = false;
};

} // namespace kelvane
