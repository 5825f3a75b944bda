#include "features/holes/thread.h"

#include "features/holes/hole_common.h"
#include "tables/field_reader.h"

namespace bw {

namespace {

// T × L as a single: the product is rounded to single before it is truncated, so 20 threads
// over a length of .35 (a single a little below .35) still give 7 turns.
float TurnsAsSingle(const ThreadInput& input) {
    return static_cast<float>(static_cast<double>(input.size->threadsPerUnit) *
                              static_cast<double>(*input.length));
}

// An angle expression is evaluated in double and rounded to single once, before it is used.
float Angle(double value) { return static_cast<float>(value); }

void AppendPoint(std::string& s, PointXY p) {
    s += ' ';
    s += FormatPoint(p);
}

}  // namespace

ThreadTableLoad ParseThreadTable(std::string_view bytes) {
    ThreadTableLoad load;
    ThreadTable& t = load.table;
    FieldReader reader(bytes);
    bool ok = true;
    int count = 0;
    if (!reader.ReadCount(count)) ok = false;
    for (int i = 0; ok && i < count; ++i) {
        std::string label;
        if (!reader.ReadText(label)) {
            ok = false;
            break;
        }
        t.sizeLabels.push_back(label);
        t.diameter.push_back(0.0f);
        t.threadsPerUnit.push_back(0);
        ok = reader.ReadSingle(t.diameter.back()) && reader.ReadCount(t.threadsPerUnit.back());
    }
    ok = ok && holes::ReadLabelledSection(reader, t.depthLabels, {&t.depth});
    if (!ok) load.diagnostic = CorruptAt(reader);
    return load;
}

ThreadTableLoad LoadThreadTable(const std::string& programFolder) {
    const TableFileBytes file = ReadTableFile(programFolder, "Thread.dat");
    if (!file.Loaded()) return {{}, file.diagnostic};
    return ParseThreadTable(file.bytes);
}

std::string ThreadTableCounts(const ThreadTable& table) {
    return holes::CountOf(table.sizeLabels.size(), "thread size", "thread sizes") + ", " +
           holes::CountOf(table.depthLabels.size(), "depth", "depths");
}

std::optional<std::string> CheckThread(const ThreadInput& input) {
    if (!input.size) return kSelectThreadSizeMessage;
    if (!input.length) return kSelectThreadDepthMessage;
    // A row whose numbers are missing or unusable has no radius or no pitch to draw with.
    if (auto m = SizeMessage(input.size->diameter, "Thread Diameter", kThreadDiameterMessage)) {
        return m;
    }
    if (input.size->threadsPerUnit <= 0) return kThreadsPerUnitMessage;
    if (auto m = SizeMessage(*input.length, "Depth", kThreadDepthMessage)) return m;
    const float turns = TurnsAsSingle(input);
    // Without a whole turn there is no last root line for the closing line to repeat.
    if (turns < 1.0f) return kThreadTooShortMessage;
    if (turns >= static_cast<float>(kMaxThreadTurns) + 1.0f) return kThreadTooLongMessage;
    return std::nullopt;
}

int ThreadTurns(const ThreadInput& input) { return static_cast<int>(TurnsAsSingle(input)); }

std::string ThreadScript(const ThreadInput& input, const DrawContext& c,
                         const ThreadProgress& progress) {
    const float radius = input.size->diameter / 2.0f;
    const float pitch = 1.0f / static_cast<float>(input.size->threadsPerUnit);
    const float halfPitch = pitch / 2.0f;
    const int turns = ThreadTurns(input);

    const double pi = Pi;
    const float a0 =
        Angle(static_cast<double>(DegToRad(static_cast<float>(input.direction))) - pi / 2.0);
    const float a1 = Angle(pi + a0);
    const float axis = Angle(pi * 0.5 + a0);  // the direction itself
    const float a3 = Angle(pi / 6.0 + a0);

    // A left-hand thread is the right-hand one mirrored about its axis: the crest radius
    // changes sign and both tooth directions are reflected across the axis.
    const float r = input.leftHand ? -radius : radius;
    const float secondTooth = input.leftHand ? Angle(axis - 2.0 * pi / 3.0) : Angle(a1 + pi / 6.0);
    const float firstTooth = input.leftHand ? Angle(axis + pi / 3.0) : a3;

    std::string s;
    // About 120 bytes a turn: one allocation for the whole script.
    s.reserve(static_cast<size_t>(turns) * 128 + 64);
    s += LayerSetLine(input.hidden ? c.HiddenLayer : c.CurrentLayer);

    PointXY start = c.BasePoint;
    PointXY c6;
    PointXY c8;
    for (int k = 1; k <= turns; ++k) {
        const PointXY c1 = PolarPoint(start, a1, r);
        const PointXY c2 = PolarPoint(start, a0, r);
        const PointXY c3 = PolarPoint(c2, axis, halfPitch);
        const PointXY c5 = PolarPoint(c3, secondTooth, pitch);
        c6 = PolarPoint(c5, axis, pitch);
        const PointXY c7 = PolarPoint(c1, axis, pitch);
        c8 = PolarPoint(c1, firstTooth, pitch);

        s += "line";
        AppendPoint(s, c1);
        AppendPoint(s, c3);
        AppendPoint(s, c5);
        s += ' ';
        s += kLineEnd;
        s += "line";
        AppendPoint(s, c3);
        AppendPoint(s, c6);
        s += ' ';
        s += kLineEnd;
        s += "line";
        AppendPoint(s, c1);
        AppendPoint(s, c8);
        AppendPoint(s, c7);
        s += ' ';
        s += kLineEnd;
        s += "line";
        AppendPoint(s, c8);
        AppendPoint(s, c6);
        s += ' ';
        s += kLineEnd;

        // Each start is the previous one moved a pitch, so its rounding carries over.
        start = PolarPoint(start, axis, pitch);
        if (progress) progress(k);
    }
    // The last root line once more closes the thread's end.
    s += "line";
    AppendPoint(s, c8);
    AppendPoint(s, c6);
    s += ' ';
    s += kLineEnd;
    // The drawing is left on the current layer whether or not the thread was hidden.
    s += LayerSetLine(c.CurrentLayer);
    return s;
}

}  // namespace bw
