#pragma once

#include <initializer_list>

namespace kelvane {

// What the error dialog offers.
enum TErrorReportOption {
    excDlgDetailed,   // opens in its detailed size
    excDlgCallStack,  // a "Call Stack" page
    excDlgRegisters,  // a "Registers" page
    excDlgCustomInfo, // a page of custom information
    excDlgTerminate,  // a "Terminate" button
    excShowDialog     // the dialog is shown at all
};

// A set of TErrorReportOption values.
class TErrorReportOptions {
  public:
    TErrorReportOptions() = default;
    TErrorReportOptions(std::initializer_list<TErrorReportOption> options) {
        for (TErrorReportOption o : options)
            Include(o);
    }

    bool Contains(TErrorReportOption o) const { return (bits & Bit(o)) != 0; }
    void Include(TErrorReportOption o) { bits |= Bit(o); }
    void Exclude(TErrorReportOption o) { bits &= ~Bit(o); }
    bool operator==(const TErrorReportOptions&) const = default;

  private:
    static unsigned Bit(TErrorReportOption o) { return 1u << static_cast<unsigned>(o); }
    unsigned bits = 0;
};

} // namespace kelvane
