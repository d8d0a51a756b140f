#pragma once

#include <memory>

namespace kelvane {

class TGammaStirlingMainForm;
class TKelvaneDispatchForm;
class TRingbomStirlingMainForm;
class TRiderStirlingMainForm;
class TPopUpGraphForm;

// The program's windows from start to end: created hidden in order, the
// launcher shown, and every placement and parameter stored at the end.
class KelvaneProgram {
  public:
    KelvaneProgram();
    ~KelvaneProgram();

    TKelvaneDispatchForm& Launcher() { return *launcher_; }
    TGammaStirlingMainForm& Gamma() { return *gamma_; }
    TRingbomStirlingMainForm& Ringbom() { return *ringbom_; }
    TRiderStirlingMainForm& Rider() { return *rider_; }
    TPopUpGraphForm& Graph() { return *graph_; }
    // The net-work graph window of the two-piston window's sweeps.
    TPopUpGraphForm& RiderGraph() { return *riderGraph_; }

    // Shows the launcher and runs the event loop until it closes.
    int Run();
    // Writes what the windows store at program end (once).
    void End();

  private:
    std::unique_ptr<TKelvaneDispatchForm> launcher_;
    std::unique_ptr<TGammaStirlingMainForm> gamma_;
    std::unique_ptr<TRingbomStirlingMainForm> ringbom_;
    std::unique_ptr<TRiderStirlingMainForm> rider_;
    std::unique_ptr<TPopUpGraphForm> graph_;
    std::unique_ptr<TPopUpGraphForm> riderGraph_;
    bool ended_ = false;
};

} // namespace kelvane
