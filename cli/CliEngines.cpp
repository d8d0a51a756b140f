#include "CliEngine.h"

namespace kelvane {

std::unique_ptr<CliEngine> MakeCliEngine(const std::string& /*name*/) {
    return nullptr;
}

} // namespace kelvane
