#pragma once

#include "EngineWindow.h"
#include "catalog/EngineCatalog.h"

#include <memory>
#include <utility>
#include <vector>

namespace kelvane {

// Makes one engine's window, a child of parent.
using WindowMaker = std::unique_ptr<AnyEngineWindow> (*)(QWidget* parent);

// Which window shows each engine of the catalog on the desktop.
class WindowCatalog {
  public:
    // nullptr for an engine without a window.
    static WindowMaker Find(const EngineEntry& engine);

    // Gives an engine its window for as long as the registration lives (a
    // test's own engine).
    class Registration {
      public:
        Registration(const EngineEntry& engine, WindowMaker maker);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

      private:
        const EngineEntry& engine_;
    };
};

// The windows of the engines that come with the program (app/EngineWindows.cpp).
std::vector<std::pair<const EngineEntry*, WindowMaker>> BuiltInWindows();

} // namespace kelvane
