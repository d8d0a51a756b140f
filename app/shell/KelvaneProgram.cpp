#include "KelvaneProgram.h"

#include "TKelvaneDispatchForm.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "gamma/TPopUpGraphForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Platform.h"

#include <QApplication>

namespace kelvane {

KelvaneProgram::KelvaneProgram() {
    launcher_ = std::make_unique<TKelvaneDispatchForm>();
    gamma_ = std::make_unique<TGammaStirlingMainForm>(launcher_.get());
    ringbom_ = std::make_unique<TRingbomStirlingMainForm>(launcher_.get());
    launcher_->showGamma = [this] { Platform::Current().ShowModal(gamma_.get()); };
    launcher_->showRingbom = [this] { Platform::Current().ShowModal(ringbom_.get()); };
    rider_ = std::make_unique<TRiderStirlingMainForm>(launcher_.get());
    launcher_->showRider = [this] { Platform::Current().ShowModal(rider_.get()); };
    graph_ = std::make_unique<TPopUpGraphForm>(*gamma_);
    gamma_->onSweepRequest = [this](Field field) { graph_->Sweep().FieldDblClick(field); };
    riderGraph_ = std::make_unique<TPopUpGraphForm>(*rider_);
    rider_->onSweepRequest = [this](Field field) { riderGraph_->Sweep().FieldDblClick(field); };
}

KelvaneProgram::~KelvaneProgram() {
    End();
}

int KelvaneProgram::Run() {
    launcher_->show();
    int status = QApplication::exec();
    End();
    return status;
}

void KelvaneProgram::End() {
    if (ended_)
        return;
    ended_ = true;
    RunGuarded([this] { launcher_->FormDestroy(); });
    RunGuarded([this] { gamma_->FormDestroy(); });
    RunGuarded([this] { ringbom_->FormDestroy(); });
    RunGuarded([this] { rider_->FormDestroy(); });
}

} // namespace kelvane
