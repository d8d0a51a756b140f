#pragma once

#include "Engine.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvane {

// The buttons of an engine turned by a crank: three speeds, Stop and Calc.
inline constexpr EngineAction kCrankActions[] = {{"speed", "&Fast", 100},
                                                 {"speed", "&Medium", 200},
                                                 {"speed", "Sl&ow", 300},
                                                 {"stop", "S&top", 0},
                                                 {"calcButton", "&Calc", 0}};

// Runs one of them on an engine with CalcButtonClick, SpeedButtonClick and
// StopButtonClick: Calc and the speeds only on usable texts.
template <class E>
void RunCrankAction(E& engine, std::string_view action, int arg,
                    const std::function<bool()>& usable) {
    if (action == "calcButton") {
        if (usable())
            engine.CalcButtonClick();
    } else if (action == "speed") {
        if (usable())
            engine.SpeedButtonClick(arg);
    } else if (action == "stop") {
        engine.StopButtonClick();
    } else {
        throw std::invalid_argument("No action " + std::string(action));
    }
}

} // namespace kelvane
