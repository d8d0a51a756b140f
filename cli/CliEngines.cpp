#include "CliEngine.h"
#include "GammaCliEngine.h"

namespace kelvane {

std::unique_ptr<CliEngine> MakeCliEngine(const std::string& name) {
    if (name == "gamma")
        return std::make_unique<GammaCliEngine>();
    return nullptr;
}

} // namespace kelvane
