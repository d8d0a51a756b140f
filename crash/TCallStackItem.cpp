#include "crash/TCallStackItem.h"

#include "crash/TModuleDebugInfo.h"

#include <cinttypes>
#include <cstdio>

namespace kelvane {

namespace {
const std::string& NameIn(const TModuleDebugInfo* module, int index) {
    static const std::string none;
    return module ? module->Name(index) : none;
}
} // namespace

std::uintptr_t TCallStackItem::RelativeAddress() const {
    return DebugModule ? CallAddress - DebugModule->LoadAddress() : CallAddress;
}

const std::string& TCallStackItem::ModuleName() const {
    return NameIn(DebugModule, ModuleNameIndex);
}

const std::string& TCallStackItem::ProcName() const {
    return NameIn(DebugModule, ProcNameIndex);
}

const std::string& TCallStackItem::FileName() const {
    return NameIn(DebugModule, FileNameIndex);
}

std::string TCallStackItem::Text() const {
    std::string text;
    char buf[64];
    if (NestingLevel > 1) {
        std::snprintf(buf, sizeof buf, "Recursive call (%d times):\r\n", NestingLevel);
        text += buf;
    }
    std::snprintf(buf, sizeof buf, ":%.8" PRIXPTR " [", RelativeAddress());
    text += buf;
    text += ModuleName();
    text += "]";
    if (ProcNameIndex >= 0)
        text += " " + ProcName();
    if (FileLineNumber >= 0)
        text += " (" + FileName() + ", line " + std::to_string(FileLineNumber) + ")";
    text += "\r\n";
    return text;
}

} // namespace kelvane
