#include "WindowPlacement.h"

#include "TIniFile.h"

#include <algorithm>

namespace kelvane {

const WindowPlacement::Keys& WindowPlacement::Main() {
    static const Keys keys{"Main", "Left", "Top", "", ""};
    return keys;
}

WindowPlacement WindowPlacement::Read(const TIniFile& settings, const Keys& keys,
                                      const WindowPlacement& current) {
    const TIniFile ini = settings.Snapshot(); // all four numbers from one version
    WindowPlacement p = current;
    p.left = ini.ReadInteger(keys.section, keys.left, current.left);
    p.top = ini.ReadInteger(keys.section, keys.top, current.top);
    if (keys.HasSize()) {
        p.width = ini.ReadInteger(keys.section, keys.width, current.width);
        p.height = ini.ReadInteger(keys.section, keys.height, current.height);
    }
    return p;
}

void WindowPlacement::Write(TIniFile& ini, const Keys& keys) const {
    ini.Update([&](TIniFile& file) {
        file.WriteInteger(keys.section, keys.left, left);
        file.WriteInteger(keys.section, keys.top, top);
        if (keys.HasSize()) {
            file.WriteInteger(keys.section, keys.width, width);
            file.WriteInteger(keys.section, keys.height, height);
        }
    });
}

WindowPlacement WindowPlacement::Clamped(int minWidth, int minHeight, int maxWidth,
                                         int maxHeight) const {
    WindowPlacement p = *this;
    p.width = std::min(std::max(p.width, minWidth), maxWidth);
    p.height = std::min(std::max(p.height, minHeight), maxHeight);
    return p;
}

} // namespace kelvane
