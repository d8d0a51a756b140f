#pragma once

#include "EngineHost.h"

#include <array>
#include <string>

namespace kelvane {

// Reads field texts as numbers, parsing a text again only when it changed:
// an analysis reads the same texts at every one of 361 crank angles.
class FieldReader {
  public:
    explicit FieldReader(EngineHost& host) : host_(host) {}

    // MyStrToReal with the default; a field is always read with the same default.
    double Real(Field field, double defVal);
    // The strict whole-number conversion; throws EConvertError for a text that
    // is not a whole number, leaving the last good value as it was.
    int Whole(Field field);

  private:
    struct Memo {
        std::string text;
        double value = 0;
        bool valid = false;
    };
    Memo& MemoOf(Field field) { return memos_[static_cast<std::size_t>(Index(field))]; }

    EngineHost& host_;
    std::array<Memo, kFieldCount> memos_{};
};

} // namespace kelvane
