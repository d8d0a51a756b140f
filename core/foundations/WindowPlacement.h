#pragma once

#include <string>

namespace kelvane {

class TIniFile;

// Where a window stands, in window pixels, as kept in the settings file.
struct WindowPlacement {
    // A window's placement section. The launcher stores no size (empty keys).
    struct Keys {
        std::string section;
        std::string left;
        std::string top;
        std::string width;
        std::string height;

        bool HasSize() const { return !width.empty(); }
    };

    // The launcher's section; each engine's window has its own in its catalog row.
    static const Keys& Main();

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // Reads each key with the window's current value as default; a value that is
    // not a whole number reads as the default. Without size keys the current
    // width and height are kept.
    static WindowPlacement Read(const TIniFile& ini, const Keys& keys,
                                const WindowPlacement& current);
    // Writes left and top, and width and height where the section has them, as
    // whole numbers, in one replace of the file (joining an Update of ini under
    // way). A refused write throws EIniFileError.
    void Write(TIniFile& ini, const Keys& keys) const;

    // The size brought within the window's minimum and the room the screen
    // gives it; where both cannot hold, the screen wins, so that a window never
    // opens larger than the screen. Left and top are kept even when off the screen.
    WindowPlacement Clamped(int minWidth, int minHeight, int maxWidth, int maxHeight) const;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

} // namespace kelvane
