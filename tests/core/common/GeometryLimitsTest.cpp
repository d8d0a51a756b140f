#include "foundations/Conversions.h"
#include "foundations/MapHost.h"
#include "gamma/GammaFields.h"
#include "gamma/GammaState.h"
#include "rider/RiderFields.h"
#include "rider/RiderState.h"
#include "ringbom/RingbomFields.h"
#include "ringbom/RingbomModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kelvane {
namespace {

using Sets = std::vector<std::pair<Field, std::string>>;

double Value(MapHost& host, Field f) {
    return MyStrToReal(host.FieldText(f), 0);
}

// Every gas space of the engine stays above zero over a whole revolution (the
// Ringbom engine: over two revolutions of its run, its displacer moving as the
// pressure drives it). Valid only for texts that pass the table's check.
bool VolumesPositive(const std::string& engine, MapHost& host) {
    auto number = [&](Field f) { return StrToInt(host.FieldText(f)); };
    if (engine == "gamma") {
        GammaParameters p{Value(host, Field::DispCylHeight),
                          Value(host, Field::DispCylDiameter),
                          Value(host, Field::DispHeight),
                          Value(host, Field::PistonDiameter),
                          Value(host, Field::PistonThrow),
                          0,
                          number(Field::PhaseOffset),
                          number(Field::HotTemp),
                          number(Field::ColdTemp)};
        for (p.phase = 0; p.phase < 360; ++p.phase) {
            const GammaState s = GammaState::Compute(p);
            if (!(s.hotVol > 0 && s.coldVol > 0 && s.currVol > 0))
                return false;
        }
        return true;
    }
    if (engine == "ringbom") {
        RingbomParameters p{Value(host, Field::DispCylHeight),
                            Value(host, Field::DispCylDiameter),
                            Value(host, Field::DispHeight),
                            Value(host, Field::DPistonDiameter),
                            Value(host, Field::PistonDiameter),
                            Value(host, Field::PistonThrow),
                            0,
                            number(Field::HotTemp),
                            number(Field::ColdTemp)};
        p.usable = p.Usable();
        RingbomModel m;
        for (int step = 0; step < 720; ++step) {
            p.phase = step % 360;
            if (m.Step(p) != RingbomModel::Done ||
                !(m.hotVol > 0 && m.coldVol > 0 && m.currVol > 0))
                return false;
        }
        return true;
    }
    RiderParameters p;
    p.phaseOffset = number(Field::PhaseOffset);
    p.hotStrokeMin = number(Field::HotStrokeMin);
    p.hotStrokeMax = number(Field::HotStrokeMax);
    p.coldStrokeMin = number(Field::ColdStrokeMin);
    p.coldStrokeMax = number(Field::ColdStrokeMax);
    p.hotTemp = number(Field::HotTemp);
    p.coldTemp = number(Field::ColdTemp);
    for (p.phase = 0; p.phase < 360; ++p.phase) {
        const RiderState s = RiderState::Compute(p);
        if (!(s.hotVol > 0 && s.coldVol > 0 && s.currVol > 0))
            return false;
    }
    return true;
}

const ParameterTable& TableOf(const std::string& engine) {
    return engine == "gamma"     ? GammaFields()
           : engine == "ringbom" ? RingbomFields()
                                 : RiderFields();
}

// Sets at and across each engine's geometric limits: the check refuses
// exactly those across, marking the field named, and every set it passes
// keeps every volume positive.
TEST(GeometryLimits, TheCheckRefusesEveryGeometryThatEmptiesAGasSpace) {
    constexpr Field kNone = Field::Phase; // never a problem here
    struct Case {
        const char* engine;
        Sets sets;
        Field refused;
    } cases[] = {
        {"gamma", {}, kNone},
        {"gamma", {{Field::DispHeight, "99.999"}}, kNone},
        {"gamma", {{Field::DispHeight, "100"}}, Field::DispHeight},
        {"gamma", {{Field::DispHeight, "0.001"}, {Field::DispCylHeight, "0.002"}}, kNone},
        {"gamma", {{Field::PistonThrow, "0.001"}, {Field::DispCylDiameter, "1e6"}}, kNone},
        {"ringbom", {}, kNone},
        {"ringbom", {{Field::DPistonDiameter, "100"}}, kNone},
        {"ringbom", {{Field::DPistonDiameter, "99.999"}}, kNone},
        {"ringbom", {{Field::DPistonDiameter, "100.001"}}, Field::DPistonDiameter},
        {"ringbom",
         {{Field::DPistonDiameter, "212"}, {Field::PistonThrow, "279"}},
         Field::DPistonDiameter},
        {"ringbom", {{Field::DPistonDiameter, "1,000"}}, Field::DPistonDiameter},
        {"ringbom",
         {{Field::DPistonDiameter, "212"},
          {Field::PistonThrow, "279"},
          {Field::DispCylDiameter, "212"}},
         kNone},
        {"ringbom", {{Field::DispHeight, "100"}}, Field::DispHeight},
        {"rider", {}, kNone},
        {"rider", {{Field::HotStrokeMin, "5"}, {Field::HotStrokeMax, "5"}}, kNone},
        {"rider", {{Field::ColdStrokeMin, "100"}, {Field::ColdStrokeMax, "100"}}, kNone},
        {"rider", {{Field::HotStrokeMin, "4"}}, Field::HotStrokeMin},
        {"rider",
         {{Field::ColdStrokeMin, "60"}, {Field::ColdStrokeMax, "59"}},
         Field::ColdStrokeMin},
    };
    for (const Case& c : cases) {
        const ParameterTable& table = TableOf(c.engine);
        MapHost host(table);
        host.PutDefaults();
        table.FollowUp(host, {}); // as a load does: the strokes come into their range
        std::string shown = c.engine;
        for (const auto& [field, text] : c.sets) {
            host.Put(field, text);
            shown += " " + std::string(table.RowOf(field).control) + "=" + text;
        }
        SCOPED_TRACE(shown);
        const std::vector<FieldProblem> problems = table.Check(host);
        if (c.refused == kNone) {
            EXPECT_TRUE(problems.empty()) << problems.front().message;
            EXPECT_TRUE(VolumesPositive(c.engine, host));
        } else {
            EXPECT_EQ(problems.size(), 1u);
            EXPECT_TRUE(!problems.empty() && problems.front().field == c.refused);
        }
    }
}

// Random sets within the fields' ranges (lengths of a size a student types,
// then over the whole range): whatever the check lets through, the engine can
// compute with.
TEST(GeometryLimits, RandomSetsTheCheckPassesKeepEveryVolumePositive) {
    std::mt19937 random(20260);
    std::uniform_int_distribution<int> typed(1, 400), stroke(5, 100), angle(-360, 360);
    std::uniform_real_distribution<double> decade(-3, 6);
    int n = 0;
    auto length = [&](std::mt19937& r) {
        return n % 2 ? std::to_string(typed(r)) : std::to_string(std::pow(10.0, decade(r)));
    };
    for (const char* engine : {"gamma", "ringbom", "rider"}) {
        const ParameterTable& table = TableOf(engine);
        int passed = 0;
        for (n = 0; n < 120; ++n) {
            MapHost host(table);
            host.PutDefaults();
            table.FollowUp(host, {});
            for (const FieldRow& row : table.fields()) {
                if (row.range.lowest == kLength.lowest && row.range.highest == kLength.highest)
                    host.Put(row.id, length(random));
                else if (row.range.lowest == 5 && row.range.highest == 100)
                    host.Put(row.id, std::to_string(stroke(random)));
                else if (row.id == Field::PhaseOffset)
                    host.Put(row.id, std::to_string(angle(random)));
            }
            if (!table.Check(host).empty())
                continue;
            ++passed;
            EXPECT_TRUE(VolumesPositive(engine, host)) << engine << " set " << n;
        }
        EXPECT_GT(passed, 5) << engine;
    }
}

} // namespace
} // namespace kelvane
