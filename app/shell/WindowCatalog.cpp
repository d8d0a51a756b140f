#include "WindowCatalog.h"

#include <algorithm>

namespace kelvane {

namespace {

std::vector<std::pair<const EngineEntry*, WindowMaker>>& Windows() {
    static std::vector<std::pair<const EngineEntry*, WindowMaker>> windows = BuiltInWindows();
    return windows;
}

} // namespace

WindowMaker WindowCatalog::Find(const EngineEntry& engine) {
    for (const auto& [entry, maker] : Windows()) {
        if (entry == &engine)
            return maker;
    }
    return nullptr;
}

WindowCatalog::Registration::Registration(const EngineEntry& engine, WindowMaker maker)
    : engine_(engine) {
    Windows().emplace_back(&engine_, maker);
}

WindowCatalog::Registration::~Registration() {
    std::erase_if(Windows(), [this](const auto& w) { return w.first == &engine_; });
}

} // namespace kelvane
