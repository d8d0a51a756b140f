#pragma once

#include "Field.h"
#include "Message.h"

#include <string>

namespace kelvane {

// What an engine needs of its surroundings. The windows implement it over
// their controls; tests and the command-line companion over plain arrays.
// Fields are addressed by their id; a host serves the fields of one engine's
// table and throws std::logic_error for any other.
class EngineHost {
  public:
    virtual ~EngineHost() = default;

    virtual std::string FieldText(Field field) = 0;
    // Sets a field's text; like an edit box, a different text fires its change handler.
    virtual void SetFieldText(Field field, const std::string& text) = 0;
    virtual bool Checked(Field field) = 0;
    virtual void SetChecked(Field field, bool checked) = 0;
    // A cell of the statistics grid; column 0 holds the labels, column 1 the values.
    virtual void SetCell(int col, int row, const std::string& text) = 0;
    // The volume read-out under the input panel ("lDebug"): "Vol = %1" and the
    // volume as the grid writes numbers.
    virtual void SetVolumeText(const Message& text) = 0;
    // The engine picture changed and should be shown.
    virtual void RedrawPicture() = 0;
    // Lets pending user events run (a sweep stays responsive this way).
    virtual void ProcessEvents() = 0;
};

} // namespace kelvane
