#pragma once

#include <string>

namespace kelvane {

// What an engine needs of its surroundings. The windows implement it over
// their controls; tests and the command-line companion over plain maps.
class EngineHost {
  public:
    virtual ~EngineHost() = default;

    // Text of a named edit box, e.g. "HotTemp" or "Phase".
    virtual std::string FieldText(const std::string& name) = 0;
    // Sets a field's text; like an edit box, a different text fires its change handler.
    virtual void SetFieldText(const std::string& name, const std::string& text) = 0;
    virtual bool Checked(const std::string& name) = 0;
    virtual void SetChecked(const std::string& name, bool checked) = 0;
    // A cell of the statistics grid; column 0 holds the labels, column 1 the values.
    virtual void SetCell(int col, int row, const std::string& text) = 0;
    virtual void SetLabel(const std::string& name, const std::string& text) = 0;
    // The engine picture changed and should be shown.
    virtual void RedrawPicture() = 0;
    // Lets pending user events run (a sweep stays responsive this way).
    virtual void ProcessEvents() = 0;
};

} // namespace kelvane
