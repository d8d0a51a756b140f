// The desktop program's sine (glibc's) is correctly rounded for nearly every
// argument; musl's, which emscripten brings, is off by one unit in the last
// place far more often, and the charts then differ from the desktop's in
// their last digits (five times as many points, measured over the comparison
// with kelvane-cli). The sine of WebAssembly's quadruple-precision long
// double, rounded once to double, is correctly rounded. The engines call no
// other function of libm.
extern "C" long double sinl(long double x);

extern "C" double sin(double x) {
    return static_cast<double>(sinl(x));
}
