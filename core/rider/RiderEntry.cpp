#include "RiderEngine.h"
#include "RiderFields.h"
#include "RiderSweep.h"
#include "catalog/EngineCatalog.h"

namespace kelvane {

const EngineEntry& RiderEntry() {
    static const EngineEntry entry{
        .name = "rider",
        .title = "Two-piston",
        .caption = "Two Piston Stirling Engine Simulator",
        .launcherCaption = "&Rider",
        .launcherButton = "RiderButton",
        .documents = "Rider Kelvane",
        .fields = RiderFields,
        .placement = {"Rider", "Left", "Top", "width", "height"},
        .batch = BatchAction::Calc,
        .batchDefault = 1,
        .pictureWidth = RiderEngine::kPictureWidth,
        .pictureHeight = RiderEngine::kPictureHeight,
        .gridRows = RiderEngine::kGridRows,
        .make = [](EngineHost& host) -> std::unique_ptr<Engine> {
            return std::make_unique<RiderEngine>(host);
        },
        .makeSweep = [](Engine& engine, EngineHost& host) -> std::unique_ptr<ParameterSweep> {
            return std::make_unique<RiderSweep>(static_cast<RiderEngine&>(engine), host);
        },
        .sweepCaption = "Two Piston Net Work Graph",
    };
    return entry;
}

} // namespace kelvane
