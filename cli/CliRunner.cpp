#include "CliRunner.h"

#include "CliEngine.h"
#include "QImageCanvas.h"
#include "catalog/EngineCatalog.h"
#include "foundations/EIniFileError.h"
#include "foundations/Echo.h"
#include "foundations/FileAccess.h"
#include "foundations/ParameterFile.h"
#include "foundations/ParameterTable.h"
#include "foundations/TIniFile.h"

#include <QBuffer>

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <sstream>
#include <string_view>

namespace kelvane {

namespace {

struct CliOptions {
    std::string engine;
    std::optional<std::string> parFile;
    std::vector<std::pair<std::string, std::string>> sets;
    std::optional<std::string> saveParFile;
    std::optional<int> calc;
    std::optional<int> steps;
    std::optional<std::string> sweep;
    std::optional<int> at;
    bool grid = false;
    std::vector<std::string> series;
    std::optional<std::string> csvDir;
    std::optional<std::string> picture;
    std::optional<std::pair<int, int>> size;
    bool memo = false;
};

// "the a and b engines": the engines whose catalog row passes the test.
template <class Test> std::string EnginesWhere(Test test) {
    std::vector<std::string> names;
    for (const EngineEntry* e : EngineCatalog::All()) {
        if (test(*e))
            names.push_back(e->name);
    }
    std::string out = "the ";
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return out + (names.size() == 1 ? " engine" : " engines");
}

// "a, b": their names as a list.
template <class Test> std::string NamesWhere(Test test, const char* separator) {
    std::string out;
    for (const EngineEntry* e : EngineCatalog::All()) {
        if (test(*e))
            out += (out.empty() ? "" : separator) + e->name;
    }
    return out;
}

bool Calcs(const EngineEntry& e) {
    return e.batch == BatchAction::Calc;
}
bool Steps(const EngineEntry& e) {
    return e.batch == BatchAction::Steps;
}
bool Sweeps(const EngineEntry& e) {
    return e.makeSweep != nullptr;
}

// A whole number as typed: decimal digits, a sign first. One too large for
// its option is refused, never wrapped around.
std::optional<long long> WholeNumber(std::string_view text, long long lowest, long long highest) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    long long value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || fault != std::errc() || end != text.data() + text.size() ||
        value < lowest || value > highest)
        return std::nullopt;
    return value;
}

int ParseCount(const std::string& option, const std::string& text, bool allowNegative) {
    constexpr long long kMost = std::numeric_limits<int>::max();
    const long long lowest = allowNegative ? -kMost : 0;
    const std::optional<long long> value = WholeNumber(text, lowest, kMost);
    if (!value) {
        throw CliUsageError(option + " needs a whole number from " + std::to_string(lowest) +
                            " to " + std::to_string(kMost) + ", not '" + Echo(text) + "'");
    }
    return static_cast<int>(*value);
}

// "WxH", each from 1 to 10000 pixels.
std::pair<int, int> ParseSize(const std::string& text) {
    constexpr long long kLargest = 10000;
    const std::size_t x = text.find('x');
    const std::optional<long long> w =
        x == std::string::npos ? std::nullopt
                               : WholeNumber(std::string_view(text).substr(0, x), 1, kLargest);
    const std::optional<long long> h =
        x == std::string::npos ? std::nullopt
                               : WholeNumber(std::string_view(text).substr(x + 1), 1, kLargest);
    if (!w || !h) {
        throw CliUsageError("--size needs WxH, each from 1 to " + std::to_string(kLargest) +
                            ", not '" + Echo(text) + "'");
    }
    return {static_cast<int>(*w), static_cast<int>(*h)};
}

CliOptions Parse(const std::vector<std::string>& args) {
    CliOptions o;
    o.engine = args[0];
    const EngineEntry* entry = EngineCatalog::Find(o.engine);
    if (!entry)
        throw CliUsageError("unknown engine '" + Echo(o.engine) + "'");
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw CliUsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--par") {
            o.parFile = value();
        } else if (a == "--set") {
            const std::string& s = value();
            auto eq = s.find('=');
            if (eq == std::string::npos || eq == 0)
                throw CliUsageError("--set needs NAME=TEXT, not '" + Echo(s) + "'");
            o.sets.emplace_back(s.substr(0, eq), s.substr(eq + 1));
        } else if (a == "--save-par") {
            o.saveParFile = value();
        } else if (a == "--calc") {
            o.calc = ParseCount(a, value(), false);
        } else if (a == "--steps") {
            o.steps = ParseCount(a, value(), false);
        } else if (a == "--sweep") {
            o.sweep = value();
        } else if (a == "--at") {
            o.at = ParseCount(a, value(), true);
        } else if (a == "--grid") {
            o.grid = true;
        } else if (a == "--series") {
            o.series.push_back(value());
        } else if (a == "--csv") {
            o.csvDir = value();
        } else if (a == "--picture") {
            o.picture = value();
        } else if (a == "--size") {
            o.size = ParseSize(value());
        } else if (a == "--memo") {
            o.memo = true;
        } else {
            throw CliUsageError("unknown option '" + Echo(a) + "'");
        }
    }
    if (o.calc && !Calcs(*entry))
        throw CliUsageError("--calc is for " + EnginesWhere(Calcs));
    if (o.steps && !Steps(*entry))
        throw CliUsageError("--steps is for " + EnginesWhere(Steps));
    if (o.sweep && !Sweeps(*entry))
        throw CliUsageError("--sweep is for " + EnginesWhere(Sweeps));
    if (o.memo && !o.sweep)
        throw CliUsageError("--memo needs --sweep");
    if (o.size && !o.picture)
        throw CliUsageError("--size goes with --picture");
    return o;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Every --set names a field of the engine, and a check box is set to Y or N
// (either case): anything else would be silently ignored or read as unticked.
void CheckSets(const CliOptions& o) {
    const ParameterTable& table = EngineCatalog::Find(o.engine)->fields();
    for (const auto& [name, text] : o.sets) {
        const FieldRow* row = table.Find(name);
        if (!row) {
            std::string names;
            for (const FieldRow& f : table.fields())
                names += (names.empty() ? "" : ", ") + std::string(f.control);
            throw CliUsageError("--set: the " + o.engine + " engine has no field '" + Echo(name) +
                                    "'; its fields are " + names,
                                false);
        }
        const std::string answer = Upper(text);
        if (row->IsCheckBox() && answer != "Y" && answer != "N") {
            throw CliUsageError(std::string("--set: ") + row->control + " takes Y or N, not '" +
                                    Echo(text) + "'",
                                false);
        }
    }
}

// Before any action: every text must be one the engine uses as it stands.
// The window would skip the analysis, or read a default, silently.
void RefuseUnusableTexts(MapHost& host, const CliRunner::Sources& sources) {
    const std::vector<FieldProblem> problems = host.Table().Check(host);
    if (problems.empty())
        return;
    const FieldProblem& p = problems.front();
    const std::string& source = sources[Index(p.field)];
    throw std::runtime_error((source.empty() ? host.Table().RowOf(p.field).control : source) +
                             ": " + ProblemText(p, host.FieldText(p.field)));
}

TLineSeries* FindSeries(CliEngine& engine, const std::string& name) {
    for (TChart* chart : engine.Charts()) {
        if (TLineSeries* s = chart->FindSeries(name))
            return s;
    }
    return nullptr;
}

void WritePoints(const TLineSeries& s, std::ostream& out) {
    char buf[80];
    for (int i = 0; i < s.Count(); ++i) {
        std::snprintf(buf, sizeof buf, "%.17g,%.17g\n", s.XValues()[i], s.YValues()[i]);
        out << buf;
    }
}

// Through a temporary file and a rename: a failed write leaves no partial file.
void WriteOrThrow(const std::string& path, std::string_view bytes) {
    WriteOutcome written = WriteFileAtomically(path, bytes);
    if (!written.ok)
        throw std::runtime_error("Unable to write to " + Echo(path) + ": " + written.problem);
}

// The series files as one set. They are written whole into a hidden folder of
// their own (inside DIR when it exists, beside it when not) and moved into
// place only by Commit; until then nothing of the run shows in DIR. Dropped
// uncommitted, the set removes that folder and every folder the run made for
// DIR, and never touches a file that was there before.
class CsvSet {
  public:
    CsvSet(CliEngine& engine, const std::string& dir) : shown_(dir) {
        namespace fs = std::filesystem;
        target_ = fs::path(dir).lexically_normal();
        if (!target_.has_filename() && target_.has_parent_path() && target_ != target_.root_path())
            target_ = target_.parent_path();
        std::error_code ec;
        const fs::file_status status = fs::status(target_, ec);
        existed_ = fs::is_directory(status);
        if (fs::exists(status) && !existed_)
            Fail(shown_, "Not a directory");
        fs::path folder = existed_ ? target_ : target_.parent_path();
        if (folder.empty())
            folder = ".";
        for (fs::path p = folder; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
            created_.push_back(p);
            if (p == p.parent_path())
                break;
        }
        fs::create_directories(folder, ec);
        if (ec)
            Fail(shown_, ec.message());
        const std::string prefix =
            (existed_ ? ".kelvane-csv-" : "." + target_.filename().string() + ".kelvane-") +
            std::to_string(::getpid()) + "-";
        for (int n = 0; staging_.empty(); ++n) {
            const fs::path candidate = folder / (prefix + std::to_string(n));
            if (fs::create_directory(candidate, ec))
                staging_ = candidate;
            else if (ec || n > 1000)
                Fail(shown_, ec ? ec.message() : "no name for a temporary folder");
        }
        try {
            for (TChart* chart : engine.Charts()) {
                for (int i = 0; i < chart->SeriesCount(); ++i)
                    Stage(chart->Series(i));
            }
        } catch (...) {
            Discard();
            throw;
        }
    }
    ~CsvSet() {
        if (!committed_)
            Discard();
    }
    CsvSet(const CsvSet&) = delete;
    CsvSet& operator=(const CsvSet&) = delete;

    void Commit() {
        namespace fs = std::filesystem;
        std::error_code ec;
        if (!existed_) {
            fs::rename(staging_, target_, ec);
            if (ec)
                Fail(shown_, ec.message());
        } else {
            for (const std::string& name : names_) {
                fs::rename(staging_ / name, target_ / name, ec);
                if (ec)
                    Fail((target_ / name).string(), ec.message());
            }
            fs::remove(staging_, ec);
        }
        committed_ = true;
    }

  private:
    void Discard() {
        std::error_code ec;
        std::filesystem::remove_all(staging_, ec);
        for (const std::filesystem::path& folder : created_)
            std::filesystem::remove(folder, ec); // only while empty
    }

    [[noreturn]] static void Fail(const std::string& path, const std::string& problem) {
        throw std::runtime_error("Unable to write to " + Echo(path) + ": " + problem);
    }

    void Stage(const TLineSeries& s) {
        const std::string name = s.Name + ".csv";
        // Checked now, so that moving the set in cannot fail half way.
        std::error_code ec;
        const std::filesystem::path final = target_ / name;
        const auto status = std::filesystem::symlink_status(final, ec);
        if (std::filesystem::is_directory(status))
            Fail(final.string(), "Is a directory");
        std::ostringstream text;
        text << "x,y\n";
        WritePoints(s, text);
        const WriteOutcome written = WriteFileAtomically((staging_ / name).string(), text.str());
        if (!written.ok)
            Fail(final.string(), written.problem);
        names_.push_back(name);
    }

    std::string shown_;
    std::filesystem::path target_, staging_;
    std::vector<std::filesystem::path> created_; // deepest first
    std::vector<std::string> names_;
    bool existed_ = false;
    bool committed_ = false;
};

// Output that never arrived is work not done: a full disk, or a standard
// output that was closed, fails the run with the reason on stderr.
int Print(std::ostream& out, std::ostream& err, const std::string& text) {
    if (text.empty())
        return 0;
    const bool closed = !out;
    errno = 0;
    out << text << std::flush;
    if (out)
        return 0;
    const int fault = errno;
    err << "kelvane-cli: Unable to write to standard output: "
        << (closed  ? "it is closed"
            : fault ? std::strerror(fault)
                    : "the write failed")
        << '\n';
    return 1;
}

} // namespace

std::string CliRunner::Usage() {
    auto all = [](const EngineEntry&) { return true; };
    return "usage: kelvane-cli ENGINE [--par FILE] [--set NAME=TEXT]... [ACTION]... [OUTPUT]...\n"
           "       kelvane-cli --help | --version\n"
           "  ENGINE            " +
           NamesWhere(all, " | ") +
           "\n"
           "  --par FILE        load a parameter file as the Load button does\n"
           "  --set NAME=TEXT   set a field's text by its control name (after --par)\n"
           "  --save-par FILE   write the current parameters to FILE\n"
           "  --calc N          (" +
           NamesWhere(Calcs, ", ") +
           ") the Calc action, N times (default 1)\n"
           "  --steps N         (" +
           NamesWhere(Steps, ", ") +
           ") Clear, then N single steps (default 0)\n"
           "  --sweep FIELD     (" +
           NamesWhere(Sweeps, ", ") +
           ") the double-click sweep of that field\n"
           "  --at ANGLE        last, act as a chart click that lands on ANGLE\n"
           "  --grid            each grid row as \"label<TAB>value\" (default output)\n"
           "  --series NAME     the series' points, one \"x,y\" line each\n"
           "  --csv DIR         every series to DIR/NAME.csv with a header line \"x,y\"\n"
           "  --picture FILE.png [--size WxH]  the engine picture\n"
           "  --memo            (after --sweep) the net-work graph window's notes\n";
}

int CliRunner::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << Usage();
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h")
        return Print(out, err, Usage());
    if (args[0] == "--version")
        return Print(out, err, std::string("kelvane-cli ") + KELVANE_VERSION + '\n');
    CliOptions o;
    try {
        o = Parse(args);
        CheckSets(o);
    } catch (const CliUsageError& e) {
        err << "kelvane-cli: " << e.what() << "\n" << (e.withUsage ? Usage() : "");
        return 2;
    }
    auto engine = std::make_unique<CliEngine>(*EngineCatalog::Find(o.engine));
    // Everything goes to stdout only when the whole run succeeded.
    std::ostringstream printed;
    try {
        MapHost& host = engine->Host();
        engine->ApplyDefaults();
        Sources sources;
        if (o.parFile)
            LoadParameters(host.Table(), engine->Entry().caption, *o.parFile, host, sources);
        for (const auto& [name, text] : o.sets) {
            // Every name was checked while the options were read.
            const FieldRow& field = host.Table().RowOf(name);
            if (field.IsCheckBox())
                host.PutChecked(field.id, Upper(text) == "Y");
            else
                host.Put(field.id, text);
            sources[Index(field.id)] = "--set " + std::string(field.control);
        }
        RefuseUnusableTexts(host, sources);
        // Saved as they stand now; written only once every action has succeeded.
        std::optional<MapHost> toSave;
        if (o.saveParFile)
            toSave.emplace(host);

        engine->Batch(o.calc.value_or(o.steps.value_or(engine->Entry().batchDefault)));
        if (o.sweep)
            engine->Sweep(*o.sweep);
        if (o.at)
            engine->At(*o.at);

        bool anyOutput = !o.series.empty() || o.csvDir || o.picture || o.memo;
        if (o.grid || !anyOutput) {
            for (int r = 0; r < engine->Entry().gridRows; ++r)
                printed << host.Cell(0, r) << '\t' << host.Cell(1, r) << '\n';
        }
        for (const std::string& name : o.series) {
            TLineSeries* s = FindSeries(*engine, name);
            if (!s)
                throw std::runtime_error("no series named '" + Echo(name) + "'");
            WritePoints(*s, printed);
        }
        if (o.memo) {
            for (const std::string& line : engine->Memo())
                printed << line << '\n';
        }
        // The series are staged first and moved in last: a parameter file or
        // picture that cannot be written leaves no series behind.
        std::optional<CsvSet> csv;
        if (o.csvDir)
            csv.emplace(*engine, *o.csvDir);
        if (o.saveParFile)
            SaveParameters(host.Table(), *o.saveParFile, *toSave);
        if (o.picture) {
            auto [w, h] = o.size.value_or(
                std::make_pair(engine->Entry().pictureWidth, engine->Entry().pictureHeight));
            QImageCanvas canvas(w, h);
            engine->DrawPicture(canvas);
            // Encoded in memory first, so that a failed write leaves no partial file.
            QByteArray png;
            QBuffer buffer(&png);
            if (!buffer.open(QIODevice::WriteOnly) || !canvas.Image().save(&buffer, "PNG"))
                throw std::runtime_error("Unable to write to " + Echo(*o.picture) +
                                         ": PNG encoding failed");
            WriteOrThrow(*o.picture, std::string_view(png.constData(), png.size()));
        }
        if (csv)
            csv->Commit();
    } catch (const CliUsageError& e) {
        err << "kelvane-cli: " << e.what() << "\n" << Usage();
        return 2;
    } catch (const std::exception& e) {
        err << "kelvane-cli: " << e.what() << '\n';
        return 1;
    }
    return Print(out, err, printed.str());
}

void CliRunner::LoadParameters(const ParameterTable& table, const std::string& caption,
                               const std::string& file, MapHost& host, Sources& sources) {
    // The Load button only offers existing files; a mistyped name, or a file
    // that cannot be read, must not quietly give the defaults.
    FileContents par = ReadRegularFile(file);
    if (!par.Ok())
        throw std::runtime_error("Cannot open file \"" + Echo(file) + "\". " + par.problem);
    const TIniFile ini(file, std::move(par.bytes)); // the check and the load read one version
    LoadCheckedParameters(
        table, caption, ini, Echo(file), host,
        [&](const FieldRow& row, const std::string& source) { sources[Index(row.id)] = source; });
}

void CliRunner::SaveParameters(const ParameterTable& table, const std::string& file,
                               MapHost& host) {
    try {
        SaveParameterFile(host, table, file);
    } catch (const EIniFileError& e) {
        throw std::runtime_error(e.Reason().empty() ? e.what() : e.what() + (": " + e.Reason()));
    }
}

} // namespace kelvane
