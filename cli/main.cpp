#include "CliRunner.h"

#include <iostream>

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return kelvane::CliRunner().Run(args, std::cout, std::cerr);
}
