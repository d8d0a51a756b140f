#pragma once

#include "CliEngine.h"
#include "common/ParameterSweep.h"

namespace kelvane {

// Runs the double-click sweep of the field named on the command line. A field
// that does not sweep is a usage error; a step of 0 is refused: the window
// runs it until the user closes the net-work graph window, and here there is
// none to close.
void RunCliSweep(ParameterSweep& sweep, const std::string& name);

// An engine of type E whose window sweeps with an S (GammaSweep, RiderSweep).
template <class E, class S> class SweepingCliEngine : public CliEngineOf<E> {
  public:
    using CliEngineOf<E>::CliEngineOf;

    void Sweep(const std::string& field) override {
        RunCliSweep(sweep_, field);
        swept_ = true;
    }
    // The window's charts; after a sweep, the net-work graph window's.
    std::vector<TChart*> Charts() override {
        if (swept_)
            return {&sweep_.Chart1, &sweep_.Chart2, &sweep_.Chart3, &sweep_.Chart4};
        return CliEngineOf<E>::Charts();
    }
    std::vector<std::string> Memo() const override { return sweep_.Memo1; }

  private:
    S sweep_{this->engine_, this->host_};
    bool swept_ = false;
};

} // namespace kelvane
