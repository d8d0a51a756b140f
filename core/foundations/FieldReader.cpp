#include "FieldReader.h"

#include "Conversions.h"

#include <utility>

namespace kelvane {

double FieldReader::Real(Field field, double defVal) {
    Memo& memo = MemoOf(field);
    std::string text = host_.FieldText(field);
    if (!memo.valid || text != memo.text) {
        memo.value = MyStrToReal(text, defVal);
        memo.text = std::move(text);
        memo.valid = true;
    }
    return memo.value;
}

int FieldReader::Whole(Field field) {
    Memo& memo = MemoOf(field);
    std::string text = host_.FieldText(field);
    if (!memo.valid || text != memo.text) {
        memo.value = StrToInt(text);
        memo.text = std::move(text);
        memo.valid = true;
    }
    return static_cast<int>(memo.value);
}

} // namespace kelvane
