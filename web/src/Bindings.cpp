#include "WebEngine.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(kelvane) {
    using kelvane::WebEngine;
    emscripten::class_<WebEngine>("Engine")
        .function("fields", &WebEngine::Fields)
        .function("design", &WebEngine::Design)
        .function("text", &WebEngine::Text)
        .function("checked", &WebEngine::Checked)
        .function("put", &WebEngine::Put)
        .function("defaults", &WebEngine::Defaults)
        .function("problems", &WebEngine::Problems)
        .function("edit", &WebEngine::Edit)
        .function("tick", &WebEngine::Tick)
        .function("run", &WebEngine::Run)
        .function("sweep", &WebEngine::Sweep)
        .function("click", &WebEngine::Click)
        .function("grid", &WebEngine::Grid)
        .function("volumeWording", &WebEngine::VolumeWording)
        .function("charts", &WebEngine::Charts)
        .function("points", &WebEngine::Points)
        .function("picture", &WebEngine::Picture)
        .function("memo", &WebEngine::Memo)
        .function("notes", &WebEngine::Notes)
        .function("saveParameters", &WebEngine::SaveParameters)
        .function("loadParameters", &WebEngine::LoadParameters)
        .function("readOut", &WebEngine::ReadOut)
        .function("loopReadOut", &WebEngine::LoopReadOut)
        .function("ghosts", &WebEngine::Ghosts)
        .function("descriptions", &WebEngine::Descriptions)
        .function("state", &WebEngine::State);
    emscripten::function("makeEngine", &kelvane::MakeWebEngine);
    emscripten::function("catalog", &kelvane::Catalog);
}
