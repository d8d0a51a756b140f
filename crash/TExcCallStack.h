#pragma once

#include "crash/TCallStackItem.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvane {

// The call stack of an error: where it arose, then the return address of each
// active procedure, innermost first.
class TExcCallStack {
  public:
    // addresses[0] is where the error arose; it is the faulting instruction
    // itself when firstIsExact, otherwise (like every later address) a return
    // address, whose procedure and line are those of the call before it.
    // Stops at the first address in no loaded module and at maxCallStack entries.
    void Build(const std::uintptr_t* addresses, std::size_t count, bool firstIsExact,
               int maxCallStack, bool suppressRecursion);

    const std::vector<TCallStackItem>& Items() const { return items; }
    // "Call stack:" and the entries' lines, each ending in CR LF.
    std::string Text() const;

    // Fills item with what the debug information knows of addr; false when the
    // address lies in no loaded module.
    static bool Describe(std::uintptr_t addr, bool exact, TCallStackItem& item);

  private:
    std::vector<TCallStackItem> items;
};

} // namespace kelvane
