#include "RingbomParameters.h"

#include "foundations/Conversions.h"
#include "foundations/EngineHost.h"

#include <cmath>

namespace kelvane {

RingbomParameters RingbomParameters::Read(EngineHost& host) {
    RingbomParameters p;
    p.dispCylHt = MyStrToReal(host.FieldText(Field::DispCylHeight), 5);
    p.dispCylDiam = MyStrToReal(host.FieldText(Field::DispCylDiameter), 5);
    p.dispHt = MyStrToReal(host.FieldText(Field::DispHeight), 5);
    p.dPistonDiam = MyStrToReal(host.FieldText(Field::DPistonDiameter), 5);
    p.pistonDiam = MyStrToReal(host.FieldText(Field::PistonDiameter), 5);
    p.pistonTh = MyStrToReal(host.FieldText(Field::PistonThrow), 5);
    p.usable = p.Usable();
    if (!p.usable)
        return p;
    p.phase = StrToInt(host.FieldText(Field::Phase));
    p.hotTemp = StrToInt(host.FieldText(Field::HotTemp));
    p.coldTemp = StrToInt(host.FieldText(Field::ColdTemp));
    return p;
}

bool RingbomParameters::Usable() const {
    if (!(pistonTh > 0 && dispCylHt > 0 && dispHt < dispCylHt && pistonDiam > 0))
        return false;
    // Dimensions so large that a volume overflows leave nothing to compute with.
    const double maxVol =
        CalcCylVol(dispCylDiam, dispCylHt - dispHt) + CalcCylVol(pistonDiam, pistonTh);
    return std::isfinite(maxVol) && std::isfinite(CalcCylVol(dPistonDiam, dispCylHt - dispHt));
}

} // namespace kelvane
