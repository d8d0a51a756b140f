#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvane {

// Raised by an axis given bounds that would cross.
class EChartError : public std::runtime_error {
  public:
    explicit EChartError(const std::string& message) : std::runtime_error(message) {}
};

class TChartAxis {
  public:
    bool Automatic = false;
    bool AutomaticMinimum = false;
    bool AutomaticMaximum = false;
    double Increment = 0; // 0: the view chooses the label step
    std::string TitleCaption;
    int TitleAngle = 0;
    bool Labels = true;
    bool Visible = true;

    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    // Refused with EChartError when the bounds would cross.
    void SetMinimum(double value);
    void SetMaximum(double value);
    // Sets both, in whichever order keeps the interval valid at every step.
    void SetMinMax(double minimum, double maximum);
    // Fixed bounds: none of them follows the data.
    void SetFixed(double minimum, double maximum) {
        Automatic = AutomaticMinimum = AutomaticMaximum = false;
        SetMinMax(minimum, maximum);
    }
    void SetFixed(double minimum, double maximum, const std::string& title) {
        SetFixed(minimum, maximum);
        TitleCaption = title;
    }
    // Sets both bounds whichever of a and b is the smaller.
    void SetSpan(double a, double b) { SetMinMax(b < a ? b : a, a < b ? b : a); }
    // One revolution, 0 to 360 degrees, labelled every 45.
    void SetRevolution() {
        SetMinMax(0, 360);
        Increment = 45;
    }
    // Both bounds follow the data.
    void SetAutomatic() { Automatic = AutomaticMinimum = AutomaticMaximum = true; }

    std::uint64_t Revision() const { return revision_; }

  private:
    double minimum_ = 0;
    double maximum_ = 0;
    std::uint64_t revision_ = 0;
};

} // namespace kelvane
