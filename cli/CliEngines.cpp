#include "CliEngine.h"
#include "GammaCliEngine.h"
#include "RiderCliEngine.h"
#include "RingbomCliEngine.h"

namespace kelvane {

std::unique_ptr<CliEngine> MakeCliEngine(const std::string& name) {
    if (name == "gamma")
        return std::make_unique<GammaCliEngine>();
    if (name == "rider")
        return std::make_unique<RiderCliEngine>();
    if (name == "ringbom")
        return std::make_unique<RingbomCliEngine>();
    return nullptr;
}

} // namespace kelvane
