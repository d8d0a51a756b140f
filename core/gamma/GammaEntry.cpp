#include "GammaEngine.h"
#include "GammaFields.h"
#include "GammaSweep.h"
#include "catalog/EngineCatalog.h"

namespace kelvane {

const EngineEntry& GammaEntry() {
    static const EngineEntry entry{
        .name = "gamma",
        .title = "Gamma",
        .caption = "Gamma Stirling Engine Simulator",
        .launcherCaption = "&Gamma",
        .launcherButton = "GammaButton",
        .documents = "Gamma Kelvane",
        .fields = GammaFields,
        .placement = {"Gamma", "Left", "Top", "Width", "Height"},
        .batch = BatchAction::Calc,
        .batchDefault = 1,
        .pictureWidth = GammaEngine::kPictureWidth,
        .pictureHeight = GammaEngine::kPictureHeight,
        .gridRows = GammaEngine::kGridRows,
        .make = [](EngineHost& host) -> std::unique_ptr<Engine> {
            return std::make_unique<GammaEngine>(host);
        },
        .makeSweep = [](Engine& engine, EngineHost& host) -> std::unique_ptr<ParameterSweep> {
            return std::make_unique<GammaSweep>(static_cast<GammaEngine&>(engine), host);
        },
        .sweepCaption = "Net Work Graph",
    };
    return entry;
}

} // namespace kelvane
