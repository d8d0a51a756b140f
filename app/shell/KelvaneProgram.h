#pragma once

#include "EngineWindow.h"
#include "catalog/EngineCatalog.h"

#include <memory>
#include <string_view>
#include <vector>

namespace kelvane {

class TKelvaneDispatchForm;
class TPopUpGraphForm;

// The program's windows from start to end: created hidden in order (the
// launcher, a window for each engine of the catalog, then the net-work graph
// window of each engine that sweeps), the launcher shown, and every placement
// and parameter stored at the end.
class KelvaneProgram {
  public:
    KelvaneProgram();
    ~KelvaneProgram();

    TKelvaneDispatchForm& Launcher() { return *launcher_; }
    // An engine's window by the engine's name; a name without one is a
    // program error (std::logic_error).
    AnyEngineWindow& Window(std::string_view engine);
    template <class W> W& Window(std::string_view engine) {
        return dynamic_cast<W&>(Window(engine));
    }
    // The net-work graph window of an engine's sweeps.
    TPopUpGraphForm& Graph(std::string_view engine);

    // Shows the launcher and runs the event loop until it closes.
    int Run();
    // Writes what the windows store at program end (once).
    void End();

  private:
    struct EngineWindows {
        const EngineEntry* entry;
        std::unique_ptr<AnyEngineWindow> window;
        std::unique_ptr<TPopUpGraphForm> graph; // none for an engine that does not sweep
    };
    EngineWindows& Of(std::string_view engine);

    std::unique_ptr<TKelvaneDispatchForm> launcher_;
    std::vector<EngineWindows> windows_;
    bool ended_ = false;
};

} // namespace kelvane
