#include "BetaEngine.h"
#include "BetaFields.h"
#include "BetaSweep.h"
#include "catalog/EngineCatalog.h"

namespace kelvane {

const EngineEntry& BetaEntry() {
    static const EngineEntry entry{
        .name = "beta",
        .title = "Beta",
        .caption = "Beta Stirling Engine Simulator",
        .launcherCaption = "B&eta",
        .launcherButton = "BetaButton",
        .documents = "Beta Kelvane",
        .fields = BetaFields,
        .placement = {"Beta", "Left", "Top", "Width", "Height"},
        .batch = BatchAction::Calc,
        .batchDefault = 1,
        .pictureWidth = BetaEngine::kPictureWidth,
        .pictureHeight = BetaEngine::kPictureHeight,
        .gridRows = BetaEngine::kGridRows,
        .make = [](EngineHost& host) -> std::unique_ptr<Engine> {
            return std::make_unique<BetaEngine>(host);
        },
        .makeSweep = [](Engine& engine, EngineHost& host) -> std::unique_ptr<ParameterSweep> {
            return std::make_unique<BetaSweep>(static_cast<BetaEngine&>(engine), host);
        },
        .sweepCaption = "Net Work Graph",
    };
    return entry;
}

} // namespace kelvane
