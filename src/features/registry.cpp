#include "features/registry.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "exchange/field_reader.h"
#include "features/holes/counterbore.h"
#include "features/holes/drilled_hole.h"
#include "features/holes/tapped_hole.h"
#include "features/holes/thread.h"
#include "features/pins/core_note.h"
#include "features/pins/core_pin.h"
#include "features/pins/ejector.h"
#include "features/pins/taper_pin.h"
#include "features/profiles/cam.h"
#include "features/profiles/center_drill.h"
#include "features/profiles/keyway.h"
#include "features/profiles/shaft.h"
#include "features/profiles/slot.h"

namespace bw {

namespace {

// A file read whole at start-up by `load`, whose table `counts` describes.
template <typename Table>
TableFile Loaded(const std::string& name, const TableMessages& messages,
                 TableLoad<Table> (*load)(const std::string&),
                 std::string (*counts)(const Table&)) {
    return {name, messages, true,
            [load, counts](const std::string& folder) { return ReportOf(load(folder), counts); }};
}

// A parameter: its name, its words in the usage, and how its value goes into the input. A
// name read together with the one before it (the columns of one table row) reads nothing.
template <typename Input>
struct Parameter {
    std::string name;
    std::string usage;
    std::function<void(Input&, const Values&)> read;
};

template <typename Input>
Parameter<Input> TableValue(std::string name, std::string usage, std::optional<float> Input::*to) {
    return {name, usage,
            [=](Input& in, const Values& v) { in.*to = OptionalTableSingle(v, name); }};
}
template <typename Input>
Parameter<Input> Box(std::string name, std::string usage, std::string Input::*to) {
    return {name, usage, [=](Input& in, const Values& v) { in.*to = BoxText(v, name, in.*to); }};
}
template <typename Input>
Parameter<Input> Switch(std::string name, std::string usage, bool Input::*to) {
    return {name, usage, [=](Input& in, const Values& v) { in.*to = Flag(v, name, in.*to); }};
}
template <typename Input>
Parameter<Input> Alongside(std::string name, std::string usage) {
    return {name, usage, nullptr};
}

// The names of a size that must be given together: all or none, else a usage error.
bool AllOrNone(const Values& values, const std::vector<std::string>& names) {
    size_t given = 0;
    for (const auto& n : names) given += values.count(n);
    if (given != 0 && given != names.size()) {
        std::string list;
        for (const auto& n : names) list += (list.empty() ? "" : ", ") + n;
        throw UsageError(list + " must be given together");
    }
    return given == names.size();
}

// A whole number as a table loader reads it: rounded, and within a 16-bit integer.
int Whole16(const std::string& name, const std::string& text, const std::string& what) {
    double value = 0;
    if (!ParseDoubleField(text, value)) throw UsageError(name + "=" + text + " is not a number");
    const double whole = std::nearbyint(value);
    if (whole < -32768.0 || whole > 32767.0) {
        throw UsageError(name + "=" + text + " does not fit a 16-bit " + what);
    }
    return static_cast<int>(whole);
}

// A grid cell as it stands: empty, or what the value box could put there. A fraction stands
// in the cell as the decimal the value box's "Enter Value" writes for it.
std::string CellText(const std::string& text, const std::string& segment) {
    for (char ch : text) {
        if (!IsBoxCharacter(ch)) {
            throw UsageError("segments: " + segment +
                             ": a cell holds only digits, \".\", \"/\" and blanks");
        }
    }
    return text.find('/') == std::string::npos ? text : TidiedBoxText(text);
}

// "D1:L1,D2:L2,..." into the grid's columns.
void ReadSegments(ShaftInput& input, const Values& values) {
    auto it = values.find("segments");
    if (it == values.end()) return;
    input.segments.clear();
    const std::string& text = it->second;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string column =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t colon = column.find(':');
        if (colon == std::string::npos || column.find(':', colon + 1) != std::string::npos) {
            throw UsageError("segments takes D1:L1,D2:L2,... (got \"" + column + "\")");
        }
        input.segments.push_back({CellText(column.substr(0, colon), column),
                                  CellText(column.substr(colon + 1), column)});
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
}

void ReadCenterDrill(CenterDrillInput& input, const Values& values) {
    const bool bell = Choice(values, "type", {"plain", "bell"}, "plain") == "bell";
    const bool plainGiven = AllOrNone(values, {"d1", "d2", "l"});
    const bool bellGiven = AllOrNone(values, {"b1", "b2", "b3"});
    if ((bell && values.count("d1")) || (!bell && values.count("b1"))) {
        throw UsageError(bell ? "d1, d2, l are plain sizes; type=bell takes b1, b2, b3"
                              : "b1, b2, b3 are bell sizes; give type=bell");
    }
    if (!bell && plainGiven) {
        input.plain = PlainCenterDrill{"", TableSingle(values, "d1"), TableSingle(values, "d2"),
                                       TableSingle(values, "l")};
    }
    if (bell && bellGiven) {
        input.bell = BellCenterDrill{"", TableSingle(values, "b1"), TableSingle(values, "b2"),
                                     TableSingle(values, "b3")};
    }
}

// A feature's page row: the inputs start as the tab starts, each parameter reads its value
// in the order declared (so the first malformed one is the one reported), then the
// placement goes in.
template <typename Input, typename Check, typename Generate>
FeatureRow Feature(std::string command, std::string caption, std::vector<TableFile> tables,
                   int loadRank, int listRank, std::vector<Parameter<Input>> parameters,
                   Check check, Generate generate) {
    FeatureRow row{command, caption, std::move(tables), loadRank, listRank, {}, {}, {}};
    for (const auto& p : parameters) {
        row.names.push_back(p.name);
        row.usage += (row.usage.empty() ? "" : " ") + p.usage;
    }
    row.run = [parameters, check, generate](const Values& values, const GivenPlacement& given,
                                            const DrawContext& context) {
        Input input;
        for (const auto& p : parameters) {
            if (p.read) p.read(input, values);
        }
        if constexpr (requires { input.placement; }) {
            input.placement = given.Over(input.placement);
        }
        return CheckThenGenerate(input, context, check, generate);
    };
    return row;
}

// A page with no command-line feature.
FeatureRow PageOnly(std::string caption, std::vector<TableFile> tables, int loadRank) {
    return {"", caption, std::move(tables), loadRank, -1, {}, {}, {}};
}

std::vector<FeatureRow> Rows() {
    using Ej = EjectorInput;
    using Pin = CorePinInput;
    using Tap = TappedHoleInput;
    using Cb = CounterboreInput;
    using Note = CoreNoteInput;
    using Th = ThreadInput;
    using Dr = DrilledHoleInput;
    return {
        Feature<Ej>("ejector", "Ejector Pin Holes",
                    {Loaded(kEjectorTableFile, kEjectorTableMessages, LoadEjectorTable,
                            EjectorTableCounts)},
                    0, 0,
                    {TableValue("pin", "pin=Dp", &Ej::pinDiameter),
                     TableValue("depth", "depth=L", &Ej::depth)},
                    CheckEjector, EjectorScript),
        Feature<Pin>("corepin", "Core Pins",
                     {Loaded(kCorePinTableFile, kCorePinTableMessages, LoadCorePinTable,
                             CorePinTableCounts)},
                     1, 1,
                     {{"pin", "pin=D1",
                       [](Pin& in, const Values& v) {
                           if (AllOrNone(v, {"pin", "head", "headlen"})) {
                               in.size = CorePinSize{TableSingle(v, "pin"), TableSingle(v, "head"),
                                                     TableSingle(v, "headlen")};
                           }
                       }},
                      Alongside<Pin>("head", "head=D2"),
                      Alongside<Pin>("headlen", "headlen=H")},
                     CheckCorePin, CorePinScript),
        Feature<Tap>("tap", "Tapped Holes",
                     {Loaded("Tap.dat", kTapMessages, LoadTapTable, TapTableCounts)}, 3, 4,
                     {{"major", "major=Dm",
                       [](Tap& in, const Values& v) {
                           if (AllOrNone(v, {"major", "drill"})) {
                               in.size = TapSize{TableSingle(v, "major"), TableSingle(v, "drill")};
                           }
                       }},
                      Alongside<Tap>("drill", "drill=Dt"),
                      TableValue("depth", "depth=D", &Tap::depth)},
                     CheckTappedHole, TappedHoleScript),
        Feature<Cb>("cbore", "Counterbores",
                    {Loaded("Cbore.dat", kCboreMessages, LoadCboreTable, CboreTableCounts)}, 2, 5,
                    {{"screw", "screw=S",
                      [](Cb& in, const Values& v) {
                          if (AllOrNone(v, {"screw", "cbore"})) {
                              in.size = CboreSize{TableSingle(v, "screw"), TableSingle(v, "cbore")};
                          }
                      }},
                     Alongside<Cb>("cbore", "cbore=Dc")},
                    CheckCounterbore, CounterboreScript),
        Feature<Note>(
            "corenote", "Core Note",
            {Loaded(kCoreNumberTableFile, kCoreNumberTableMessages, LoadCoreNumberTable,
                    CoreNumberTableCounts)},
            4, 2,
            {{"kind", "kind=C|CX",
              [](Note& in, const Values& v) {
                  in.cxPin = Choice(v, "kind", {"C", "CX"}, in.cxPin ? "CX" : "C") == "CX";
              }},
             {"number", "number=N",
              [](Note& in, const Values& v) {
                  auto it = v.find("number");
                  if (it != v.end()) in.coreNumber = Whole16("number", it->second, "core number");
              }}},
            CheckCoreNote, CoreNoteScript),
        Feature<Th>(
            "thread", "Threads",
            {Loaded("Thread.dat", kThreadMessages, LoadThreadTable, ThreadTableCounts)}, 5, 6,
            {{"diameter", "diameter=D",
              [](Th& in, const Values& v) {
                  if (AllOrNone(v, {"diameter", "tpi"})) {
                      in.size = ThreadSize{TableSingle(v, "diameter"),
                                           Whole16("tpi", v.at("tpi"), "count")};
                  }
              }},
             Alongside<Th>("tpi", "tpi=T"),
             TableValue("length", "length=L", &Th::length),
             Switch("left", "left=0|1", &Th::leftHand)},
            CheckThread, [](const Th& in, const DrawContext& c) { return ThreadScript(in, c); }),
        PageOnly("About", {{"Brasswick.msg", {}, true, nullptr}}, 6),
        PageOnly("Settings", {}, 7),
        Feature<SlotInput>("slot", "Slotted Holes",
                           {Loaded("Slot.dat", kSlotMessages, LoadSlotTable, SlotTableCounts)}, 8,
                           8,
                           {Box("width", "text: width= [0.250]", &SlotInput::widthText),
                            Box("distance", "distance= [1.000]", &SlotInput::distanceText)},
                           CheckSlot, SlotScript),
        Feature<CamInput>("cam", "Simple Cams", {}, 9, 9,
                          {Box("r1", "text: r1= [0.500]", &CamInput::r1Text),
                           Box("r2", "r2= [0.375]", &CamInput::r2Text),
                           Box("distance", "distance= [1.000]", &CamInput::distanceText)},
                          CheckCam, CamScript),
        Feature<KeywayInput>(
            "keyway", "Keyways",
            {Loaded("Keyway.dat", kKeywayMessages, LoadKeywayTable, KeywayTableCounts)}, 10, 10,
            {Box("key", "text: key= [0.250]", &KeywayInput::keyWidthText),
             Box("diameter", "diameter= [1.000];", &KeywayInput::diameterText),
             {"kind", "kind=shaft|hub [shaft]",
              [](KeywayInput& in, const Values& v) {
                  const bool hub = in.kind == KeywayKind::Hub;
                  in.kind = Choice(v, "kind", {"shaft", "hub"}, hub ? "hub" : "shaft") == "hub"
                                ? KeywayKind::Hub
                                : KeywayKind::Shaft;
              }}},
            CheckKeyway, KeywayScript),
        Feature<TaperPinInput>(
            "taper", "Taper Pins",
            {Loaded(kTaperPinSizeFile, kTaperPinSizeMessages, LoadTaperPinSizes,
                    TaperPinSizeCounts),
             {kTaperPinLengthFile, kTaperPinLengthMessages, false, CheckTaperPinLengthFile}},
            11, 3,
            {TableValue("diameter", "diameter=D", &TaperPinInput::diameter),
             TableValue("length", "length=L", &TaperPinInput::length)},
            CheckTaperPin, TaperPinScript),
        // Its loader ends by choosing "Plain", which fills the size list from 001.
        Feature<CenterDrillInput>(
            "centerdrill", "Center Drill Holes",
            {Loaded("001", kPlainCenterDrillMessages, LoadPlainCenterDrills,
                    PlainCenterDrillCounts),
             Loaded("002", kBellCenterDrillMessages, LoadBellCenterDrills, BellCenterDrillCounts)},
            12, 12,
            {{"type", "type=plain|bell [plain];", ReadCenterDrill},
             Alongside<CenterDrillInput>("d1", "plain: d1="),
             Alongside<CenterDrillInput>("d2", "d2="),
             Alongside<CenterDrillInput>("l", "l=;"),
             Alongside<CenterDrillInput>("b1", "bell: b1="),
             Alongside<CenterDrillInput>("b2", "b2="),
             Alongside<CenterDrillInput>("b3", "b3=")},
            CheckCenterDrill, CenterDrillScript),
        Feature<ShaftInput>(
            "shaft", "Shafts", {}, 13, 11,
            {{"segments", "text: segments=D1:L1,D2:L2,... [1.000:1.000]", ReadSegments}},
            CheckShaft, ShaftScript),
        Feature<Dr>("drill", "Drilled Holes",
                    {Loaded("Drill.dat", kDrillMessages, LoadDrillTable, DrillTableCounts),
                     Loaded("Csink.dat", kCsinkMessages, LoadCsinkTable, CsinkTableCounts)},
                    14, 7,
                    {Box("drill", "drill=TEXT", &Dr::drillText),
                     Box("csink", "csink=TEXT", &Dr::countersinkText),
                     Box("depth", "depth=TEXT", &Dr::depthText),
                     Switch("countersunk", "countersunk=0|1", &Dr::countersunk),
                     {"angle", "angle=82|100",
                      [](Dr& in, const Values& v) {
                          const std::string given =
                              Choice(v, "angle", {"82", "100"}, std::to_string(in.angle));
                          in.angle = given == "100" ? 100 : 82;
                      }}},
                    CheckDrilledHole, DrilledHoleScript),
    };
}

// The rows ordered by one of their ranks.
std::vector<const FeatureRow*> RankedBy(int FeatureRow::*rank) {
    std::vector<const FeatureRow*> rows;
    for (const FeatureRow& row : Registry()) rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(), [rank](const FeatureRow* a, const FeatureRow* b) {
        return a->*rank < b->*rank;
    });
    return rows;
}

}  // namespace

const std::vector<FeatureRow>& Registry() {
    static const std::vector<FeatureRow> rows = Rows();
    return rows;
}

const FeatureRow* FindFeature(const std::string& command) {
    for (const FeatureRow& row : Registry()) {
        if (!row.command.empty() && row.command == command) return &row;
    }
    return nullptr;
}

const std::vector<const FeatureRow*>& CommandLineFeatures() {
    static const std::vector<const FeatureRow*> rows = [] {
        std::vector<const FeatureRow*> listed;
        for (const FeatureRow* row : RankedBy(&FeatureRow::listRank)) {
            if (!row->command.empty()) listed.push_back(row);
        }
        return listed;
    }();
    return rows;
}

const std::vector<TableFile>& TableFiles() {
    static const std::vector<TableFile> files = [] {
        std::vector<TableFile> all;
        for (const FeatureRow* row : RankedBy(&FeatureRow::loadRank)) {
            for (const TableFile& file : row->tables) {
                if (file.report) all.push_back(file);
            }
        }
        return all;
    }();
    return files;
}

const std::vector<std::string>& StartUpTableOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> names;
        for (const FeatureRow* row : RankedBy(&FeatureRow::loadRank)) {
            for (const TableFile& file : row->tables) {
                if (file.loadedAtStartUp) names.push_back(file.name);
            }
        }
        return names;
    }();
    return order;
}

TableCheck CheckTableFiles(const std::string& folder) {
    TableCheck check;
    for (const TableFile& file : TableFiles()) {
        const TableReport report = file.report(folder);
        check.clean = check.clean && report.Clean();
        check.lines += CheckLine(file.name, file.messages, report) + "\n";
    }
    return check;
}

float Number(const std::string& name, const std::string& text) {
    float value = 0;
    if (!ParseSingleField(text, value)) throw UsageError(name + "=" + text + " is not a number");
    return value;
}

float TableSingle(const Values& values, const std::string& name) {
    auto it = values.find(name);
    if (it == values.end()) throw UsageError(name + "= is missing");
    return Number(name, it->second);
}

std::optional<float> OptionalTableSingle(const Values& values, const std::string& name) {
    if (!values.count(name)) return std::nullopt;
    return TableSingle(values, name);
}

bool IsBoxCharacter(char ch) {
    return (ch >= '0' && ch <= '9') || ch == '.' || ch == '/' || ch == ' ';
}

std::string BoxText(const Values& values, const std::string& name, const std::string& fallback) {
    auto it = values.find(name);
    if (it == values.end()) return fallback;
    for (char ch : it->second) {
        if (!IsBoxCharacter(ch)) {
            throw UsageError(name + "=" + it->second +
                             ": the box takes only digits, \".\", \"/\" and blanks");
        }
    }
    return it->second;
}

bool Flag(const Values& values, const std::string& name, bool fallback) {
    auto it = values.find(name);
    if (it == values.end()) return fallback;
    if (it->second == "1") return true;
    if (it->second == "0") return false;
    throw UsageError(name + " takes 0 or 1");
}

std::string Choice(const Values& values, const std::string& name,
                   const std::vector<std::string>& allowed, const std::string& fallback) {
    auto it = values.find(name);
    if (it == values.end()) return fallback;
    if (std::find(allowed.begin(), allowed.end(), it->second) == allowed.end()) {
        std::string list;
        for (const auto& a : allowed) list += (list.empty() ? "" : "|") + a;
        throw UsageError(name + " takes " + list);
    }
    return it->second;
}

}  // namespace bw
