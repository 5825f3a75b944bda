#include "features/holes/thread.h"

#include "exchange/script_writer.h"
#include "tables/labelled_section.h"

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

}  // namespace

ThreadTableLoad ParseThreadTable(std::string_view bytes) {
    ThreadTableLoad load;
    ThreadTable& t = load.table;
    ReadSections(bytes,
                 {{{"Thread.dat", "thread size"},
                   t.sizeLabels,
                   {{"diameter", t.diameter}, {"threads per unit", t.threadsPerUnit}}},
                  {{"Thread.dat", "depth"}, t.depthLabels, {{"depth", t.depth}}}},
                 load.diagnostic);
    return load;
}

ThreadTableLoad LoadThreadTable(const std::string& programFolder) {
    return LoadTableFile<ThreadTable>(programFolder, "Thread.dat", ParseThreadTable);
}

std::string ThreadTableCounts(const ThreadTable& table) {
    return SectionCounts(
        {{table.sizeLabels.size(), "thread size"}, {table.depthLabels.size(), "depth"}});
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
    const float a0 = Angle(
        static_cast<double>(DegToRad(static_cast<float>(Degrees(input.placement.direction)))) -
        pi / 2.0);
    const float a1 = Angle(pi + a0);
    const float axis = Angle(pi * 0.5 + a0);  // the direction itself
    const float a3 = Angle(pi / 6.0 + a0);

    // A left-hand thread is the right-hand one mirrored about its axis: the crest radius
    // changes sign and both tooth directions are reflected across the axis.
    const float r = input.leftHand ? -radius : radius;
    const float secondTooth = input.leftHand ? Angle(axis - 2.0 * pi / 3.0) : Angle(a1 + pi / 6.0);
    const float firstTooth = input.leftHand ? Angle(axis + pi / 3.0) : a3;

    std::string s;
    // A turn's four lines hold ten points of up to two seven-digit numbers each, about 170
    // bytes at most sizes: one allocation for the whole script.
    s.reserve(static_cast<size_t>(turns) * 200 + 64);
    ScriptWriter w(s);
    w.LayerSet(input.placement.hidden ? c.HiddenLayer : c.CurrentLayer);

    // Every turn takes the same polar steps, so their offsets are worked out once.
    const PolarStep toC1(a1, r);
    const PolarStep toC2(a0, r);
    const PolarStep halfOn(axis, halfPitch);
    const PolarStep toC5(secondTooth, pitch);
    const PolarStep pitchOn(axis, pitch);
    const PolarStep toC8(firstTooth, pitch);

    PointXY start = c.BasePoint;
    PointXY c6;
    PointXY c8;
    // Ten points a turn but only six different ones, each formatted once. They are kept from
    // turn to turn: a thread moves along one axis, so the other coordinate keeps its text.
    PointText t1, t3, t5, t6, t7, t8;
    for (int k = 1; k <= turns; ++k) {
        const PointXY c1 = toC1.From(start);
        const PointXY c2 = toC2.From(start);
        const PointXY c3 = halfOn.From(c2);
        const PointXY c5 = toC5.From(c3);
        c6 = pitchOn.From(c5);
        const PointXY c7 = pitchOn.From(c1);
        c8 = toC8.From(c1);

        t1.Set(c1);
        t3.Set(c3);
        t5.Set(c5);
        t6.Set(c6);
        t7.Set(c7);
        t8.Set(c8);
        w.LowerCaseLine({t1, t3, t5});
        w.LowerCaseLine({t3, t6});
        w.LowerCaseLine({t1, t8, t7});
        w.LowerCaseLine({t8, t6});

        // Each start is the previous one moved a pitch, so its rounding carries over.
        start = pitchOn.From(start);
        if (progress) progress(k);
    }
    // The last root line once more closes the thread's end.
    w.LowerCaseLine({c8, c6});
    // The drawing is left on the current layer whether or not the thread was hidden.
    w.LayerSet(c.CurrentLayer);
    return s;
}

}  // namespace bw
