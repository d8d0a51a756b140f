#pragma once

// The engines' sine, the same bits on every machine. The C library's is not:
// musl's, in the web build, is off by one unit in the last place far more
// often than glibc's. This one works in double-double arithmetic (about 106
// bits) with pi/2 in three parts and rounds once, so it is correctly rounded
// at every argument tested (it agrees with glibc's at every whole degree and a
// million random arguments), using only exact or IEEE-rounded double
// operations.
namespace kelvane {

double Sine(double x);

} // namespace kelvane
