#include "crash/TExcCallStack.h"

#include "crash/TModuleDebugInfo.h"

namespace kelvane {

bool TExcCallStack::Describe(std::uintptr_t addr, bool exact, TCallStackItem& item) {
    TModuleDebugInfo* module = TModuleDebugInfo::ForAddress(addr);
    if (!module)
        return false;
    // A return address may already lie past the end of a procedure that ends
    // in a call that never returns, so look at the call instruction instead.
    std::uintptr_t lookup = exact ? addr : addr - 1;
    item = TCallStackItem();
    item.DebugModule = module;
    item.CallAddress = addr;
    item.ModuleNameIndex = module->ModuleNameIndex();
    item.ProcNameIndex = module->ProcNameIndex(lookup);
    module->SourceLine(lookup, item.FileNameIndex, item.FileLineNumber);
    return true;
}

void TExcCallStack::Build(const std::uintptr_t* addresses, std::size_t count, bool firstIsExact,
                          int maxCallStack, bool suppressRecursion) {
    items.clear();
    for (std::size_t i = 0; i < count; ++i) {
        std::uintptr_t addr = addresses[i];
        if (suppressRecursion && !items.empty() && items.back().CallAddress == addr) {
            ++items.back().NestingLevel;
            continue;
        }
        if (static_cast<int>(items.size()) >= maxCallStack)
            break;
        TCallStackItem item;
        if (!Describe(addr, firstIsExact && i == 0, item))
            break;
        items.push_back(item);
    }
}

std::string TExcCallStack::Text() const {
    std::string text = "Call stack:\r\n";
    for (const TCallStackItem& item : items)
        text += item.Text();
    return text;
}

} // namespace kelvane
