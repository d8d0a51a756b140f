#include "RiderParameters.h"

#include "ERiderParameterError.h"
#include "foundations/Conversions.h"
#include "foundations/EngineHost.h"

namespace kelvane {

RiderParameters RiderParameters::Read(EngineHost& host, bool readPhase) {
    // In the order the model uses them, so the first bad text is the one reported.
    RiderParameters p;
    if (readPhase)
        p.phase = StrToInt(host.FieldText(Field::Phase));
    p.hotStrokeMin = StrToInt(host.FieldText(Field::HotStrokeMin));
    p.hotStrokeMax = StrToInt(host.FieldText(Field::HotStrokeMax));
    p.phaseOffset = StrToInt(host.FieldText(Field::PhaseOffset));
    p.coldStrokeMin = StrToInt(host.FieldText(Field::ColdStrokeMin));
    p.coldStrokeMax = StrToInt(host.FieldText(Field::ColdStrokeMax));
    p.hotTemp = StrToInt(host.FieldText(Field::HotTemp));
    p.coldTemp = StrToInt(host.FieldText(Field::ColdTemp));
    return p;
}

namespace {

void CheckStroke(const char* which, int min, int max) {
    if (min > 0 && max > 0)
        return;
    throw ERiderParameterError(
        std::string("The ") + which +
        " stroke minimum and maximum must both be greater than 0; they are " + IntToStr(min) +
        " and " + IntToStr(max) + ".");
}

void CheckTemp(const char* which, int t) {
    if (WholeFtoK(t) > 0)
        return;
    throw ERiderParameterError(std::string("The ") + which + " temperature of " + IntToStr(t) +
                               " F is at or below absolute zero; the lowest allowed is " +
                               IntToStr(RiderParameters::LowestTemp) + " F.");
}

} // namespace

void RiderParameters::Validate() const {
    CheckStroke("hot", hotStrokeMin, hotStrokeMax);
    CheckStroke("cold", coldStrokeMin, coldStrokeMax);
    CheckTemp("hot", hotTemp);
    CheckTemp("cold", coldTemp);
}

} // namespace kelvane
