#pragma once

#include "common/Engine.h"
#include "foundations/EngineHost.h"
#include "foundations/ParameterTable.h"
#include "foundations/WindowPlacement.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

class ParameterSweep;

// What the command line's batch option does with an engine: analyse a
// revolution N times (--calc) or clear and step N times (--steps).
enum class BatchAction { Calc, Steps };

// One engine as every front end knows it: the launcher, the program, the
// command line, the page, the screenshots and the test rigs all go through
// this row, so that none of them names an engine.
struct EngineEntry {
    std::string name;            // on the command line and in the page's address: "gamma"
    std::string title;           // the page's tab: "Gamma"
    std::string caption;         // the window's title
    std::string launcherCaption; // the launcher's button, with its mnemonic: "&Gamma"
    std::string launcherButton;  // that button's object name: "GammaButton"
    // Starts the names of the help and tutorial pages: "Gamma Kelvane" gives
    // "Gamma Kelvane Help.HTM" and "Gamma Kelvane Tutorial.HTM".
    std::string documents;
    const ParameterTable& (*fields)();
    WindowPlacement::Keys placement; // the window's section in the settings file
    BatchAction batch;
    int batchDefault; // N when the command line gives none
    int pictureWidth;
    int pictureHeight;
    int gridRows;
    std::unique_ptr<Engine> (*make)(EngineHost& host);
    // The engine's parameter sweep on the same host; nullptr for an engine
    // that does not sweep.
    std::unique_ptr<ParameterSweep> (*makeSweep)(Engine& engine, EngineHost& host) = nullptr;
    std::string sweepCaption = {}; // the net-work graph window's title

    std::string HelpDocument() const { return documents + " Help.HTM"; }
    std::string TutorDocument() const { return documents + " Tutorial.HTM"; }
};

// The list of engines, in the launcher's order.
class EngineCatalog {
  public:
    static const std::vector<const EngineEntry*>& All();
    // nullptr for a name no engine has.
    static const EngineEntry* Find(std::string_view name);

    // Adds an engine after the others for as long as the registration lives
    // (a test's own engine).
    class Registration {
      public:
        explicit Registration(const EngineEntry& entry);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

      private:
        const EngineEntry& entry_;
    };
};

} // namespace kelvane
