#include "CliEngine.h"
#include "GammaCliEngine.h"

namespace kelvane {

std::unique_ptr<CliEngine> MakeCliEngine(const std::string& name) {
    if (name == "gamma")
        return std::make_unique<GammaCliEngine>();
    if (name == "rider")
        return MakeRiderCliEngine();
    if (name == "ringbom")
        return MakeRingbomCliEngine();
    return nullptr;
}

} // namespace kelvane
