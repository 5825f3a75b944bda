#include "features/pins/taper_pin.h"

#include <cmath>

#include "exchange/script_writer.h"
#include "tables/record_reader.h"

namespace bw {

namespace {

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// 003's record `number`, or false with `diagnostic` set when its length is not a usable size.
bool LengthRecord(const RecordReader& records, long long number, TaperPinLength& out,
                  TableDiagnostic& diagnostic) {
    std::string_view record;
    records.Record(number, record);
    out = {TextAt(record, 0, 6), SingleAt(record, 6)};
    return CheckTableSize(out.length, kTaperPinLengthFile,
                          RowName("record", static_cast<size_t>(number), out.label), "length",
                          diagnostic);
}

}  // namespace

TaperPinSizesLoad ParseTaperPinSizes(std::string_view bytes) {
    TaperPinSizesLoad load;
    const RecordReader records(bytes, kTaperPinSizeRecord);
    // The record count is a 16-bit integer: a larger file cannot be counted at all.
    if (records.Count() > 32767) {
        load.diagnostic = {TableStatus::Corrupt,
                           std::to_string(records.Count()) + " records, more than 32767"};
        return load;
    }
    for (size_t i = 1; i <= records.Count(); ++i) {
        std::string_view record;
        records.Record(static_cast<long long>(i), record);
        TaperPinSize size;
        size.name = TextAt(record, 0, 12);
        size.diameter = SingleAt(record, 12);
        size.firstRecord = Int16At(record, 16);
        size.lastRecord = Int16At(record, 18);
        if (!CheckTableSize(size.diameter, kTaperPinSizeFile, RowName("record", i, size.name),
                            "diameter", load.diagnostic)) {
            break;
        }
        load.table.push_back(size);
    }
    return load;
}

TaperPinSizesLoad LoadTaperPinSizes(const std::string& programFolder) {
    return LoadTableFile<TaperPinSizes>(programFolder, kTaperPinSizeFile, ParseTaperPinSizes);
}

std::string TaperPinSizeCounts(const TaperPinSizes& sizes) {
    return CountOf(sizes.size(), "taper pin size", "taper pin sizes");
}

TaperPinLengthRecordsLoad ParseTaperPinLengthRecords(std::string_view bytes) {
    TaperPinLengthRecordsLoad load;
    const RecordReader records(bytes, kTaperPinLengthRecord);
    for (size_t i = 1; i <= records.Count(); ++i) {
        TaperPinLength length;
        if (!LengthRecord(records, static_cast<long long>(i), length, load.diagnostic)) break;
        load.table.push_back(length);
    }
    return load;
}

std::string TaperPinLengthCounts(const TaperPinLengthRecords& records) {
    return CountOf(records.size(), "length record", "length records");
}

std::optional<std::string> TaperPinRangeProblem(const TaperPinSize& size, size_t recordCount) {
    const double first = size.firstRecord;
    const double last = size.lastRecord;
    if (first >= 1.0 && first <= last && last <= static_cast<double>(recordCount)) {
        return std::nullopt;
    }
    return "Pin Size " + WithoutTrailingBlanks(size.name) + " Has Invalid Length Records";
}

TableReport CheckTaperPinLengthFile(const std::string& programFolder) {
    const TaperPinLengthRecordsLoad load = LoadTableFile<TaperPinLengthRecords>(
        programFolder, kTaperPinLengthFile, ParseTaperPinLengthRecords);
    TableReport report = ReportOf(load, TaperPinLengthCounts);
    if (!report.Clean()) return report;
    for (const TaperPinSize& size : LoadTaperPinSizes(programFolder).table) {
        if (std::optional<std::string> problem = TaperPinRangeProblem(size, load.table.size())) {
            report.diagnostic = {TableStatus::Corrupt, *problem};
            break;
        }
    }
    return report;
}

TaperPinLengthsLoad LoadTaperPinLengths(const std::string& programFolder,
                                        const TaperPinSize& size) {
    TaperPinLengthsLoad result;
    const TableFileBytes file = ReadTableFile(programFolder, kTaperPinLengthFile);
    if (!file.Loaded()) {
        result.status = TaperLengthsStatus::NotFound;
        result.message = kTaperPinLengthMessages.notFound;
        return result;
    }
    const RecordReader records(file.bytes, kTaperPinLengthRecord);
    if (std::optional<std::string> problem = TaperPinRangeProblem(size, records.Count())) {
        result.status = TaperLengthsStatus::Refused;
        result.message = *problem;
        return result;
    }
    const long long first = std::llround(size.firstRecord);
    const long long count = std::llround(size.lastRecord - size.firstRecord) + 1;
    for (long long j = 0; j < count; ++j) {
        TaperPinLength length;
        TableDiagnostic diagnostic;
        if (!LengthRecord(records, first + j, length, diagnostic)) {
            result.status = TaperLengthsStatus::Refused;
            result.message = TableMessage(kTaperPinLengthMessages, diagnostic);
            break;
        }
        result.lengths.push_back(length);
    }
    return result;
}

float TaperPinSmallEnd(float diameter, float length) {
    return static_cast<float>(static_cast<double>(diameter) -
                              static_cast<double>(length) * 0.02083);
}

std::optional<std::string> CheckTaperPin(const TaperPinInput& input) {
    if (!input.diameter) return "You Must Select Pin Size";
    if (!input.length) return "You Must Select Pin Length";
    if (auto m = SizeMessage(*input.diameter, "Pin Diameter",
                             "Pin Diameter Must Be Greater Than Zero")) {
        return m;
    }
    if (auto m = SizeMessage(*input.length, "Pin Length", "Pin Length Must Be Greater Than Zero")) {
        return m;
    }
    // A positive small end below the large end also keeps the crown's square root real.
    if (!(TaperPinSmallEnd(*input.diameter, *input.length) > 0.0f)) {
        return "Pin Length Is Too Long For This Pin Size";
    }
    return std::nullopt;
}

std::string TaperPinScript(const TaperPinInput& input, const DrawContext& context) {
    const double D = *input.diameter;
    const double L = *input.length;
    const Direction a = input.placement.direction;
    const PointXY b = context.BasePoint;
    const float d = TaperPinSmallEnd(*input.diameter, *input.length);
    // Each crown is an arc of radius D over its end's chord; s is the arc's height.
    const float s1 = static_cast<float>(D - std::sqrt(D * D - (D / 2.0) * (D / 2.0)));
    const double halfSmall = static_cast<double>(d) / 2.0;
    const float s2 = static_cast<float>(D - std::sqrt(D * D - halfSmall * halfSmall));

    const PointXY p1 = Turned(b, a, {0.0}, {D / 2.0});
    const PointXY p2 = Turned(b, a, {0.0}, {-D / 2.0});
    const PointXY p3 = Turned(b, a, {L}, {-halfSmall});
    const PointXY p4 = Turned(b, a, {L}, {halfSmall});
    const PointXY p5 = Turned(b, a, {-static_cast<double>(s1)}, {0.0});
    // The small-end apex lies on the axis, measured on from the small end as already stored.
    const bool alongX = a == Direction::Right || a == Direction::Left;
    const PointXY p6 = Turned(alongX ? PointXY{p3.X, b.Y} : PointXY{b.X, p3.Y}, a, {s2}, {});

    std::string s;
    ScriptWriter w(s);
    // One script line: the closed outline, whose Line command the second blank after the
    // last point ends, then the two three-point crown arcs. Without Hidden the file ends on
    // the last blank, with no line end.
    w.OnLayer(input.placement.hidden, context.layers(), [&] {
        w.Line({p1, p2, p3, p4, p1}, ChainEnd::TwoBlanks);
        w.ArcThroughThreePoints(p1, p5, p2);
        w.ArcThroughThreePoints(p3, p6, p4);
    });
    return s;
}

}  // namespace bw
