#include "foundations/ParameterTable.h"
#include "catalog/EngineCatalog.h"
#include "foundations/EConvertError.h"
#include "foundations/EIniFileError.h"
#include "foundations/MapHost.h"
#include "foundations/ParameterFile.h"
#include "foundations/TIniFile.h"
#include "foundations/WindowPlacement.h"

#include "IniTestFiles.h"

#include <gtest/gtest.h>

#include "beta/BetaFields.h"
#include "gamma/GammaFields.h"
#include "rider/RiderFields.h"
#include "ringbom/RingbomFields.h"
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace kelvane;

namespace {

// Records track-bar moves in order, clamping and writing back the text as the
// windows' change handlers do.
struct TrackBars {
    std::vector<std::string> moves;

    ParameterTable::TrackBarSetter Setter(MapHost& host) {
        return [this, &host](TrackBar bar, int pos) {
            if (bar == TrackBar::HotTempTB) {
                moves.push_back("HotTempTB=" + std::to_string(pos));
                host.SetFieldText(Field::HotTemp, std::to_string(1000 - std::clamp(pos, 0, 1000)));
            } else {
                moves.push_back("PhaseOffsetTB=" + std::to_string(pos));
                host.SetFieldText(Field::PhaseOffset, std::to_string(std::clamp(pos, -175, 175)));
            }
        };
    }
};

// The texts of every stored field and the ticks of the check boxes, by control name.
std::map<std::string, std::string> Texts(MapHost& host) {
    std::map<std::string, std::string> texts;
    for (const FieldRow& f : host.Table().rows()) {
        if (!f.IsCheckBox())
            texts[f.control] = host.FieldText(f.id);
    }
    return texts;
}

std::map<std::string, bool> Ticks(MapHost& host) {
    std::map<std::string, bool> ticks;
    for (const FieldRow& f : host.Table().rows()) {
        if (f.IsCheckBox())
            ticks[f.control] = host.Checked(f.id);
    }
    return ticks;
}

void PutTexts(MapHost& host, const std::map<std::string, std::string>& texts) {
    for (const auto& [control, text] : texts)
        host.Put(host.Table().Find(control)->id, text);
}

class ParameterTableTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string file = folder / "Kelvane.INI";
    MapHost host{GammaFields()};
    MapHost ringbom{RingbomFields()};
    MapHost rider{RiderFields()};
    TrackBars bars;
};

TEST_F(ParameterTableTest, NoFileGivesTheDefaults) {
    TIniFile ini(file);
    GammaFields().ReadIniFile(ini, host, bars.Setter(host));
    EXPECT_EQ(Texts(host), (std::map<std::string, std::string>{{"HotTemp", "300"},
                                                               {"ColdTemp", "100"},
                                                               {"DispCylHeight", "100"},
                                                               {"DispCylDiameter", "100"},
                                                               {"DispHeight", "60"},
                                                               {"PistonDiameter", "30"},
                                                               {"PistonThrow", "60"},
                                                               {"PhaseOffset", "90"}}));
    EXPECT_EQ(bars.moves, (std::vector<std::string>{"HotTempTB=700", "PhaseOffsetTB=90"}));

    RingbomFields().ReadIniFile(ini, ringbom, {});
    EXPECT_EQ(Texts(ringbom), (std::map<std::string, std::string>{{"HotTemp", "300"},
                                                                  {"ColdTemp", "100"},
                                                                  {"DispCylHeight", "100"},
                                                                  {"DispCylDiameter", "100"},
                                                                  {"DispHeight", "60"},
                                                                  {"DPistonDiameter", "10"},
                                                                  {"PistonDiameter", "30"},
                                                                  {"PistonThrow", "60"}}));
    EXPECT_EQ(Ticks(ringbom),
              (std::map<std::string, bool>{{"StripChartCB", true}, {"AllDataCB", true}}));

    RiderFields().ReadIniFile(ini, rider, {});
    EXPECT_EQ(Texts(rider), (std::map<std::string, std::string>{{"HotTemp", "300"},
                                                                {"HotStrokeMin", "5"},
                                                                {"HotStrokeMax", "50"},
                                                                {"ColdTemp", "100"},
                                                                {"ColdStrokeMin", "5"},
                                                                {"ColdStrokeMax", "100"},
                                                                {"PhaseOffset", "90"}}));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ParameterTableTest, OnlyAnExactYTicks) {
    for (const auto& [text, ticked] : std::vector<std::pair<std::string, bool>>{
             {"Y", true}, {"y", false}, {"Yes", false}, {"N", false}, {"", false}, {"1", false}}) {
        WriteBytes(file, "[RingbomStripChart]\nEnabled=" + text + "\n");
        ringbom.PutChecked(Field::StripChartCB, !ticked);
        RingbomFields().ReadInto(TIniFile(file), ringbom);
        EXPECT_EQ(ringbom.Checked(Field::StripChartCB), ticked) << text;
        EXPECT_TRUE(ringbom.Checked(Field::AllDataCB));
    }
}

// A load reads the file once: a save that replaces the file meanwhile (here
// as the first box is filled) is seen whole by the next load, never in part.
// A check and a load that share a snapshot read the same version.
TEST_F(ParameterTableTest, ALoadReadsOneVersionOfTheFile) {
    for (MapHost* loaded : {&host, &ringbom, &rider}) {
        const ParameterTable& table = loaded->Table();
        SCOPED_TRACE(table.rows().front().section);
        std::map<std::string, std::string> texts[2];
        std::string bytes[2];
        for (int set = 0; set < 2; ++set) {
            MapHost saved(table);
            int i = 0;
            for (const FieldRow& row : table.rows()) {
                if (!row.IsCheckBox())
                    saved.Put(row.id, std::to_string(10 * (set + 1) + ++i));
                else
                    saved.PutChecked(row.id, set == 0);
            }
            texts[set] = Texts(saved);
            SaveParameterFile(saved, table, file);
            bytes[set] = ReadBytes(file);
        }
        WriteBytes(file, bytes[0]);
        loaded->onFieldChange = [&](Field) { WriteBytes(file, bytes[1]); };
        table.ReadInto(TIniFile(file), *loaded);
        loaded->onFieldChange = nullptr;
        EXPECT_EQ(Texts(*loaded), texts[0]);

        const TIniFile snapshot = TIniFile(file).Snapshot();
        WriteBytes(file, bytes[0]);
        std::map<std::string, std::string> checked;
        for (const ParameterTable::StoredText& stored : table.StoredTexts(snapshot)) {
            if (!stored.row->IsCheckBox())
                checked[stored.row->control] = stored.text;
        }
        EXPECT_EQ(checked, texts[1]);
        table.ReadInto(snapshot, *loaded);
        EXPECT_EQ(Texts(*loaded), texts[1]);
    }
}

TEST_F(ParameterTableTest, RingbomParameterFileRoundTrip) {
    int i = 0;
    for (const FieldRow& f : RingbomFields().rows()) {
        if (!f.IsCheckBox())
            ringbom.Put(f.id, std::to_string(400 + i) + (i == 4 ? ",5" : ""));
        ++i;
    }
    ringbom.Put(Field::PistonThrow, "");
    ringbom.PutChecked(Field::StripChartCB, false);
    ringbom.PutChecked(Field::AllDataCB, true);
    const std::string par = folder / "run.PAR";
    SaveParameterFile(ringbom, RingbomFields(), par);
    EXPECT_NE(ReadBytes(par).find("[RingbomStripChart]\nEnabled=N\n[RingbomAllData]\nEnabled=Y\n"),
              std::string::npos);

    MapHost loaded(RingbomFields());
    loaded.PutChecked(Field::StripChartCB, true);
    LoadParameterFile(par, RingbomFields(), loaded);
    EXPECT_EQ(Texts(loaded), Texts(ringbom));
    EXPECT_EQ(Ticks(loaded), Ticks(ringbom));

    // The other way round too, and saving again only rewrites values in place.
    ringbom.PutChecked(Field::StripChartCB, true);
    ringbom.PutChecked(Field::AllDataCB, false);
    const std::string first = ReadBytes(par);
    SaveParameterFile(ringbom, RingbomFields(), par);
    LoadParameterFile(par, RingbomFields(), loaded);
    EXPECT_EQ(Ticks(loaded), Ticks(ringbom));
    EXPECT_EQ(ReadBytes(par).size(), first.size());
}

TEST_F(ParameterTableTest, TextsAreStoredVerbatimInTableOrder) {
    PutTexts(host, {{"HotTemp", "300"},
                    {"ColdTemp", "abc"},
                    {"DispCylHeight", "100"},
                    {"DispCylDiameter", "1e3"},
                    {"DispHeight", "12,5"},
                    {"PistonDiameter", ""},
                    {"PistonThrow", "60"},
                    {"PhaseOffset", "-90"}});
    SaveParameterFile(host, GammaFields(), file);
    EXPECT_EQ(ReadBytes(file), "[GammaHot]\nTemp=300\n[GammaCold]\nTemp=abc\n"
                               "[GammaDisplacerCylinder]\nHeight=100\nDiameter=1e3\n"
                               "[GammaDisplacer]\nHeight=12,5\n"
                               "[GammaPiston]\nDiameter=\nThrow=60\n[GammaPhase]\nOffset=-90\n");
    MapHost loaded(GammaFields());
    LoadParameterFile(file, GammaFields(), loaded);
    EXPECT_EQ(Texts(loaded), Texts(host));
}

TEST_F(ParameterTableTest, RefusedSaveStopsAtTheFirstKey) {
    const std::string par = folder / "no/such/folder/x.PAR";
    rider.Put(Field::HotTemp, "300");
    try {
        SaveParameterFile(rider, RiderFields(), par);
        FAIL() << "no error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + par);
    }
}

TEST_F(ParameterTableTest, GammaBadPhaseOffsetAbandonsAfterTheHotTrackBar) {
    WriteBytes(file, "[GammaHot]\nTemp=2000\n[GammaPhase]\nOffset=45.5\n");
    try {
        GammaFields().ReadIniFile(TIniFile(file), host, bars.Setter(host));
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "'45.5' is not a valid integer value");
    }
    // The raw position goes to the window, whose clamping changes the text.
    EXPECT_EQ(bars.moves, std::vector<std::string>{"HotTempTB=-1000"});
    EXPECT_EQ(host.FieldText(Field::HotTemp), "1000");
    EXPECT_EQ(host.FieldText(Field::PistonThrow), "60");

    bars.moves.clear();
    WriteBytes(file, "[GammaHot]\nTemp=hot\n");
    EXPECT_THROW(GammaFields().ReadIniFile(TIniFile(file), host, bars.Setter(host)), EConvertError);
    EXPECT_TRUE(bars.moves.empty());
}

TEST_F(ParameterTableTest, RingbomSkipsABadHotTemperatureSilently) {
    WriteBytes(file, "[RingbomHot]\nTemp=12abc\n");
    RingbomFields().ReadIniFile(TIniFile(file), ringbom, bars.Setter(ringbom));
    EXPECT_TRUE(bars.moves.empty());
    EXPECT_EQ(ringbom.FieldText(Field::HotTemp), "12abc");
    WriteBytes(file, "[RingbomHot]\nTemp=0x64\n");
    RingbomFields().ReadIniFile(TIniFile(file), ringbom, bars.Setter(ringbom));
    EXPECT_EQ(bars.moves, std::vector<std::string>{"HotTempTB=900"});
}

struct StrokeCase {
    const char* hotMin;
    const char* hotMax;
    const char* coldMin;
    const char* coldMax;
    std::vector<std::string> after; // HotStrokeMin, HotStrokeMax, ColdStrokeMin, ColdStrokeMax
    bool throws;
    friend void PrintTo(const StrokeCase& c, std::ostream* os) {
        *os << c.hotMin << "/" << c.hotMax << "/" << c.coldMin << "/" << c.coldMax;
    }
};

class RiderStrokeCases : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(RiderStrokeCases, LimitsAreBroughtIntoRangeInOrder) {
    const StrokeCase& c = GetParam();
    TempFolder folder;
    const std::string file = folder / "r.PAR";
    WriteBytes(file, std::string("[RiderHot]\nStrokeMin=") + c.hotMin + "\nStrokeMax=" + c.hotMax +
                         "\n[RiderCold]\nStrokeMin=" + c.coldMin + "\nStrokeMax=" + c.coldMax +
                         "\n");
    MapHost host(RiderFields());
    if (c.throws)
        EXPECT_THROW(LoadParameterFile(file, RiderFields(), host), EConvertError);
    else
        LoadParameterFile(file, RiderFields(), host);
    EXPECT_EQ((std::vector<std::string>{
                  host.FieldText(Field::HotStrokeMin), host.FieldText(Field::HotStrokeMax),
                  host.FieldText(Field::ColdStrokeMin), host.FieldText(Field::ColdStrokeMax)}),
              c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RiderStrokeCases,
    ::testing::Values(StrokeCase{"4", "101", "-3", "250", {"5", "100", "5", "100"}, false},
                      StrokeCase{"5", "100", "7", "99", {"5", "100", "7", "99"}, false},
                      StrokeCase{"0x3", "$65", "6", "100", {"5", "100", "6", "100"}, false},
                      // A limit that is not a whole number stays for the input check
                      // to mark; the others are still brought into range.
                      StrokeCase{"1", "5.5", "0", "300", {"5", "5.5", "5", "100"}, false},
                      StrokeCase{"", "50", "0", "100", {"", "50", "5", "100"}, false}));

TEST_F(ParameterTableTest, RiderTrackBarsComeBeforeTheStrokeLimits) {
    WriteBytes(file, "[RiderBoth]\nPhaseOffset=180\n[RiderHot]\nStrokeMin=x\n");
    rider.onFieldChange = [this](Field f) {
        bars.moves.push_back(std::string("text ") + rider.Table().RowOf(f).control);
    };
    LoadParameterFile(file, RiderFields(), rider, bars.Setter(rider));
    EXPECT_EQ(rider.FieldText(Field::HotStrokeMin), "x");
    // After the handler's write-back of the clamped phase offset, the stroke
    // limits come last (the cold minimum's default 0 is raised to 5).
    EXPECT_EQ(bars.moves.back(), "text ColdStrokeMin");
    EXPECT_EQ(bars.moves[bars.moves.size() - 2], "text PhaseOffset");
    EXPECT_EQ(rider.FieldText(Field::PhaseOffset), "175");
    EXPECT_NE(std::find(bars.moves.begin(), bars.moves.end(), "PhaseOffsetTB=180"),
              bars.moves.end());
}

// The check reads a text as the engine does: a whole number in decimal digits
// only, and a comma only where it groups thousands.
TEST(ParameterTableCheck, CommasAndWholeNumbersAsTheEnginesReadThem) {
    const char* texts[] = {"x1", "$10", "0x1E", "X2", "45,5", "1,000"};
    struct Row {
        const ParameterTable& table;
        Field field;
        std::vector<std::string> verdicts; // per text: "" usable, else part of the message
    };
    const std::string whole = "must be a whole number", number = "must be a number",
                      point = "use a point for decimals";
    const std::vector<std::string> wholeField = {whole, whole, whole, whole, whole, whole};
    const std::vector<std::string> realField = {number, number, number, number, point, ""};
    const Row rows[] = {
        {GammaFields(), Field::HotTemp, wholeField},
        {GammaFields(), Field::ColdTemp, wholeField},
        {GammaFields(), Field::PhaseOffset, wholeField},
        {GammaFields(), Field::PistonThrow, realField},
        {RingbomFields(), Field::HotTemp, wholeField},
        {RingbomFields(), Field::ColdTemp, wholeField},
        {RingbomFields(), Field::PistonThrow, realField},
        {RiderFields(), Field::HotTemp, wholeField},
        {RiderFields(), Field::ColdTemp, wholeField},
        {RiderFields(), Field::PhaseOffset, wholeField},
    };
    for (const Row& r : rows) {
        const FieldRow& row = r.table.RowOf(r.field);
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            SCOPED_TRACE(std::string(row.section) + " " + row.control + " = " + texts[i]);
            std::optional<FieldProblem> p = r.table.CheckText(row, texts[i]);
            ASSERT_EQ(p.has_value(), !r.verdicts[i].empty());
            if (p) {
                EXPECT_NE(p->message.find(r.verdicts[i]), std::string::npos) << p->message;
            }
        }
    }
    EXPECT_EQ(GammaFields().CheckText(GammaFields().RowOf(Field::PistonThrow), "45,5")->message,
              "Piston throw: use a point for decimals (a comma only groups thousands)");
}

// An ordered pair at its boundary: equal values break a strict order only, and
// a partner whose text cannot be used is marked for itself, never for the order.
TEST(ParameterTableCheck, OrderedPairsAtTheirBoundary) {
    struct Case {
        const ParameterTable& table;
        std::vector<std::pair<Field, const char*>> texts;
        std::vector<std::pair<Field, FieldFault>> problems;
    };
    const Case cases[] = {
        {GammaFields(),
         {{Field::DispCylHeight, "60"}, {Field::DispHeight, "60"}},
         {{Field::DispHeight, FieldFault::OutOfOrder}}},
        {GammaFields(), {{Field::DispCylHeight, "60.001"}, {Field::DispHeight, "60"}}, {}},
        {GammaFields(),
         {{Field::DispCylHeight, "abc"}, {Field::DispHeight, "200"}},
         {{Field::DispCylHeight, FieldFault::NotANumber}}},
        {GammaFields(),
         {{Field::DispCylHeight, "50"}, {Field::DispHeight, "0"}},
         {{Field::DispHeight, FieldFault::OutOfRange}}},
        // A number out of range is no partner either, on either side of the order.
        {GammaFields(),
         {{Field::DispCylHeight, "0"}, {Field::DispHeight, "60"}},
         {{Field::DispCylHeight, FieldFault::OutOfRange}}},
        {GammaFields(),
         {{Field::DispCylHeight, "60"}, {Field::DispHeight, "2000000"}},
         {{Field::DispHeight, FieldFault::OutOfRange}}},
        // An unusable lower partner is not read as 0, which a hot end below 0 C would exceed.
        {BetaFields(),
         {{Field::ColdTemp, "abc"}, {Field::HotTemp, "-10"}},
         {{Field::ColdTemp, FieldFault::NotANumber}}},
        {BetaFields(), {{Field::ColdTemp, "-10"}, {Field::HotTemp, "-10"}}, {}},
        {RiderFields(), {{Field::HotStrokeMin, "50"}, {Field::HotStrokeMax, "50"}}, {}},
        {RiderFields(),
         {{Field::HotStrokeMin, "51"}, {Field::HotStrokeMax, "50"}},
         {{Field::HotStrokeMin, FieldFault::OutOfOrder}}},
        {RiderFields(),
         {{Field::ColdStrokeMin, "90"}, {Field::ColdStrokeMax, "x"}},
         {{Field::ColdStrokeMax, FieldFault::NotAWholeNumber}}},
    };
    for (const Case& c : cases) {
        MapHost host(c.table);
        host.PutDefaults();
        if (&c.table == &RiderFields())
            BringStrokeLimitsIntoRange(host); // as every load does: no stroke limit below 5
        std::string trace;
        for (auto [field, text] : c.texts) {
            host.Put(field, text);
            trace += std::string(c.table.RowOf(field).control) + "=" + text + " ";
        }
        SCOPED_TRACE(trace);
        std::vector<std::pair<Field, FieldFault>> found;
        for (const FieldProblem& p : c.table.Check(host))
            found.emplace_back(p.field, p.fault);
        EXPECT_EQ(found, c.problems);
    }
}

// The sweeps check a partner that holds a number; these are the other ways.
TEST_F(ParameterTableTest, RangeOfKeepsOffAStrictPartnerAndIgnoresAnUnusableOne) {
    host.PutDefaults(); // the displacer must stay below its 100 high cylinder
    const FieldRange below = host.Table().RangeOf(Field::DispHeight, host);
    EXPECT_EQ(below.lowest, 0.001);
    EXPECT_EQ(below.highest, std::nextafter(100.0, 0.0));
    // From the other side the cylinder keeps just above its displacer's 60.
    EXPECT_EQ(host.Table().RangeOf(Field::DispCylHeight, host).lowest, std::nextafter(60.0, 100.0));

    rider.PutDefaults();
    rider.Put(Field::ColdStrokeMax, "many");
    const FieldRange stroke = rider.Table().RangeOf(Field::ColdStrokeMin, rider);
    EXPECT_EQ(stroke.lowest, 5);
    EXPECT_EQ(stroke.highest, 100);
    // A partner that is not strict may be met exactly.
    rider.Put(Field::ColdStrokeMax, "80");
    EXPECT_EQ(rider.Table().RangeOf(Field::ColdStrokeMin, rider).highest, 80);
    rider.Put(Field::ColdStrokeMin, "20");
    EXPECT_EQ(rider.Table().RangeOf(Field::ColdStrokeMax, rider).lowest, 20);
}

TEST_F(ParameterTableTest, PlacementReadsWholeNumbersWithCurrentDefaults) {
    WriteBytes(file, "[RINGBOM]\nLeft=0x64\nTop=12abc\nwidth=3000\n");
    const WindowPlacement current{10, 20, 600, 400};
    TIniFile ini(file);
    EXPECT_EQ(WindowPlacement::Read(ini, EngineCatalog::Find("ringbom")->placement, current),
              (WindowPlacement{100, 20, 3000, 400}));
    EXPECT_EQ(WindowPlacement::Read(ini, EngineCatalog::Find("gamma")->placement, current),
              current);

    WindowPlacement{-2000, 5, 700, 500}.Write(ini, EngineCatalog::Find("rider")->placement);
    WindowPlacement{1, 2, 999, 999}.Write(ini, WindowPlacement::Main());
    EXPECT_EQ(ReadBytes(file), "[RINGBOM]\nLeft=0x64\nTop=12abc\nwidth=3000\n"
                               "[Rider]\nLeft=-2000\nTop=5\nwidth=700\nheight=500\n"
                               "[Main]\nLeft=1\nTop=2\n");
    // The launcher keeps its own size.
    EXPECT_EQ(WindowPlacement::Read(ini, WindowPlacement::Main(), current),
              (WindowPlacement{1, 2, 600, 400}));
}

TEST(WindowPlacement, ClampsSizeBetweenMinimumAndScreenButNeverThePosition) {
    struct Case {
        WindowPlacement stored, expected;
    } cases[] = {
        {{-2000, 5000, 3000, 500}, {-2000, 5000, 1920, 500}}, // wider than the screen
        {{0, 0, 800, 1200}, {0, 0, 800, 1050}},               // taller than the screen
        {{3, 4, 1920, 1050}, {3, 4, 1920, 1050}},             // exactly the screen
        {{3, 4, 100, 50}, {3, 4, 640, 480}},                  // below the minimum
        {{3, 4, 0, -7}, {3, 4, 640, 480}},                    // nonsense from a file
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.stored.Clamped(640, 480, 1920, 1050), c.expected) << c.stored.width;
    // A screen smaller than the minimum: the window still fits the screen.
    EXPECT_EQ((WindowPlacement{0, 0, 900, 700}.Clamped(640, 480, 600, 400)),
              (WindowPlacement{0, 0, 600, 400}));
}

TEST(SettingsFilePath, FindsTheFileWhateverItsCase) {
    TempFolder folder;
    const std::string app = folder.path() + "/";
    EXPECT_EQ(SettingsFilePath(app), app + "Kelvane.INI");
    WriteBytes(app + "kelvane.ini", "");
    EXPECT_EQ(SettingsFilePath(app), app + "kelvane.ini");
    WriteBytes(app + "Kelvane.INI", "");
    EXPECT_EQ(SettingsFilePath(app), app + "Kelvane.INI");
}

} // namespace
