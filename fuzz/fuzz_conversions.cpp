#include "foundations/Conversions.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    double v = kelvane::MyStrToReal(text, -1000.0);
    (void)kelvane::MyRealToStr(v);
    (void)kelvane::RealToStr2(v);
    int i = 0;
    if (kelvane::TryStrToInt(text, i)) {
        // A whole number read back from its own text must give the same number.
        int again = 0;
        if (!kelvane::TryStrToInt(kelvane::IntToStr(i), again) || again != i)
            __builtin_trap();
    }
    return 0;
}
