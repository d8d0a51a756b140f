#include "KelvaneProgram.h"

#include "TKelvaneDispatchForm.h"
#include "TPopUpGraphForm.h"
#include "WindowCatalog.h"
#include "common/ParameterSweep.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Platform.h"

#include <QApplication>

#include <stdexcept>
#include <string>

namespace kelvane {

KelvaneProgram::KelvaneProgram() {
    launcher_ = std::make_unique<TKelvaneDispatchForm>();
    for (const EngineEntry* entry : EngineCatalog::All()) {
        if (WindowMaker make = WindowCatalog::Find(*entry))
            windows_.push_back({entry, make(launcher_.get()), nullptr});
    }
    launcher_->showEngine = [this](const EngineEntry& entry) {
        Platform::Current().ShowModal(&Window(entry.name));
    };
    for (EngineWindows& w : windows_) {
        if (!w.entry->makeSweep)
            continue;
        AnyEngineWindow& window = *w.window;
        w.graph = std::make_unique<TPopUpGraphForm>(window, *w.entry);
        TPopUpGraphForm* graph = w.graph.get();
        window.onSweepRequest = [graph](Field field) { graph->Sweep().FieldDblClick(field); };
    }
}

KelvaneProgram::~KelvaneProgram() {
    End();
}

KelvaneProgram::EngineWindows& KelvaneProgram::Of(std::string_view engine) {
    for (EngineWindows& w : windows_) {
        if (w.entry->name == engine)
            return w;
    }
    throw std::logic_error("no window for the engine " + std::string(engine));
}

AnyEngineWindow& KelvaneProgram::Window(std::string_view engine) {
    return *Of(engine).window;
}

TPopUpGraphForm& KelvaneProgram::Graph(std::string_view engine) {
    EngineWindows& w = Of(engine);
    if (!w.graph)
        throw std::logic_error("the engine " + std::string(engine) + " does not sweep");
    return *w.graph;
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
    for (EngineWindows& w : windows_)
        RunGuarded([&w] { w.window->FormDestroy(); });
}

} // namespace kelvane
