// The windows of the engines that come with the program: adding an engine's
// window is one line here.
#include "beta/TBetaStirlingMainForm.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "shell/WindowCatalog.h"

namespace kelvane {

namespace {

template <class W> std::unique_ptr<AnyEngineWindow> Make(QWidget* parent) {
    return std::make_unique<W>(parent);
}

} // namespace

std::vector<std::pair<const EngineEntry*, WindowMaker>> BuiltInWindows() {
    return {{&GammaEntry(), Make<TGammaStirlingMainForm>},
            {&RingbomEntry(), Make<TRingbomStirlingMainForm>},
            {&RiderEntry(), Make<TRiderStirlingMainForm>},
            {&BetaEntry(), Make<TBetaStirlingMainForm>}};
}

} // namespace kelvane
