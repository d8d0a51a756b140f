#pragma once

#include "crash/TErrorReportOptions.h"

#include <string>

namespace kelvane {

// Everything the error dialog shows and the log entry holds. The texts use
// CR LF line breaks.
struct TErrorReportData {
    std::string Caption;          // "Application Error"
    std::string ExceptionClass;   // e.g. "EConvertError"
    std::string ExceptionMessage; // the exception's own message
    std::string MessageText;      // class, module, address, message, source line
    std::string CallStackText;
    std::string RegisterText;
    std::string CustomInfo;
    std::string CustomTab;
    TErrorReportOptions Options;
};

} // namespace kelvane
