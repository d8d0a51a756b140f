#include "CliRunner.h"

namespace kelvane {

const char* CliRunner::Usage() {
    return "usage: kelvane-cli ENGINE [--par FILE] [--set NAME=TEXT]... [ACTION]... [OUTPUT]...\n"
           "  ENGINE            gamma | ringbom | rider\n"
           "  --par FILE        load a parameter file as the Load button does\n"
           "  --set NAME=TEXT   set a field's text by its control name\n"
           "  --save-par FILE   write the current parameters to FILE\n"
           "  --calc N          (gamma, rider) the Calc action, N times (default 1)\n"
           "  --steps N         (ringbom) Clear, then N single steps (default 0)\n"
           "  --sweep FIELD     (gamma) the double-click sweep of that field\n"
           "  --at ANGLE        act as a chart click that lands on ANGLE\n"
           "  --grid            each grid row as \"label<TAB>value\" (default output)\n"
           "  --series NAME     the series' points, one \"x,y\" line each\n"
           "  --csv DIR         every series to DIR/NAME.csv\n"
           "  --picture FILE.png [--size WxH]  the engine picture\n"
           "  --memo            (after --sweep) the net-work graph window's notes\n";
}

int CliRunner::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << Usage();
        return args.empty() ? 2 : 0;
    }
    const std::string& engine = args[0];
    if (engine != "gamma" && engine != "ringbom" && engine != "rider") {
        err << "kelvane-cli: unknown engine '" << engine << "'\n" << Usage();
        return 2;
    }
    err << "kelvane-cli: the " << engine << " engine is not available yet\n";
    return 1;
}

} // namespace kelvane
