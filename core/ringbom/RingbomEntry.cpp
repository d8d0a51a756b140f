#include "RingbomEngine.h"
#include "RingbomFields.h"
#include "catalog/EngineCatalog.h"

namespace kelvane {

const EngineEntry& RingbomEntry() {
    static const EngineEntry entry{
        .name = "ringbom",
        .title = "Ringbom",
        .caption = "Ringbom Stirling Engine Simulator",
        .launcherCaption = "Ring&bom",
        .launcherButton = "RingbomButton",
        .documents = "Ringbom Simulator",
        .fields = RingbomFields,
        // The settings file has always spelt this section and its size keys so.
        .placement = {"ringbom", "Left", "Top", "width", "height"},
        .batch = BatchAction::Steps,
        .batchDefault = 0,
        .pictureWidth = RingbomEngine::kPictureWidth,
        .pictureHeight = RingbomEngine::kPictureHeight,
        .gridRows = RingbomEngine::kGridRows,
        .make = [](EngineHost& host) -> std::unique_ptr<Engine> {
            return std::make_unique<RingbomEngine>(host);
        },
    };
    return entry;
}

} // namespace kelvane
