#pragma once

#include <utility>

namespace kelvane {

// Calls a hook that a window or a test may leave unset.
template <class Hook, class... Args> void CallIfSet(const Hook& hook, Args&&... args) {
    if (hook)
        hook(std::forward<Args>(args)...);
}

} // namespace kelvane
