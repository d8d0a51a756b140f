#include "CliEngine.h"
#include "RingbomCliEngine.h"

namespace kelvane {

std::unique_ptr<CliEngine> MakeCliEngine(const std::string& name) {
    if (name == "ringbom")
        return std::make_unique<RingbomCliEngine>();
    return nullptr;
}

} // namespace kelvane
