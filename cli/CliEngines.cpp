#include "CliEngine.h"
#include "RiderCliEngine.h"

namespace kelvane {

std::unique_ptr<CliEngine> MakeCliEngine(const std::string& name) {
    if (name == "rider")
        return std::make_unique<RiderCliEngine>();
    return nullptr;
}

} // namespace kelvane
