#pragma once

#include "EngineCatalog.h"
#include "foundations/MapHost.h"

#include <memory>

namespace kelvane {

class ParameterSweep;

// An engine of the catalog on a map host, with its sweep when it has one, in
// the state a shown window is in before its texts arrive: what the command
// line and the page drive in place of a window.
class HostedEngine {
  public:
    explicit HostedEngine(const EngineEntry& entry);
    ~HostedEngine();
    HostedEngine(const HostedEngine&) = delete;
    HostedEngine& operator=(const HostedEngine&) = delete;

    const EngineEntry& Entry() const { return entry_; }
    MapHost& Host() { return host_; }
    // Every field at its settings-file default, the crank at rest at 0.
    void ApplyDefaults();

  protected:
    const EngineEntry& entry_;
    MapHost host_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<ParameterSweep> sweep_; // nullptr for an engine that does not sweep
};

} // namespace kelvane
