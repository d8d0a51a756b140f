#pragma once

// The engines' sine, the same bits on every machine. The C library's is not:
// glibc's is off by one unit in the last place at about one argument in 700
// (the whole degrees 297 and 351 among them), musl's, in the web build, more
// often. This one works in double-double arithmetic (about 106 bits) with
// pi/2 in three parts and rounds once, so it is correctly rounded at every
// argument tested, using only exact or IEEE-rounded double operations.
namespace kelvane {

double Sine(double x);

} // namespace kelvane
