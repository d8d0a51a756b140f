#include "EngineCatalog.h"

#include <algorithm>

namespace kelvane {

// Each engine's row lives in its own folder. Adding an engine is one line here.
const EngineEntry& GammaEntry();
const EngineEntry& RingbomEntry();
const EngineEntry& RiderEntry();
const EngineEntry& BetaEntry();

namespace {

std::vector<const EngineEntry*>& Engines() {
    static std::vector<const EngineEntry*> engines{&GammaEntry(), &RingbomEntry(), &RiderEntry(),
                                                   &BetaEntry()};
    return engines;
}

} // namespace

const std::vector<const EngineEntry*>& EngineCatalog::All() {
    return Engines();
}

const EngineEntry* EngineCatalog::Find(std::string_view name) {
    for (const EngineEntry* e : Engines()) {
        if (e->name == name)
            return e;
    }
    return nullptr;
}

EngineCatalog::Registration::Registration(const EngineEntry& entry) : entry_(entry) {
    Engines().push_back(&entry_);
}

EngineCatalog::Registration::~Registration() {
    std::vector<const EngineEntry*>& engines = Engines();
    engines.erase(std::remove(engines.begin(), engines.end(), &entry_), engines.end());
}

} // namespace kelvane
