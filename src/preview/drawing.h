// What a script draws, as the CAD side would hold it after running the script: straight
// segments, circles, arcs and inserted blocks, each on the layer that was current when the
// command finished. Coordinates are doubles, as the CAD side keeps them once it has read the
// script's text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bw::preview {

struct Point {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A place in the script text: 1-based line and column (counted in bytes), 0-based byte offset.
struct ScriptPosition {
    int line = 1;
    int column = 1;
    std::size_t byte = 0;
    friend bool operator==(const ScriptPosition&, const ScriptPosition&) = default;
};

struct Segment {
    int layer = 0;  // index into Drawing::layers
    Point start;
    Point end;
    ScriptPosition where;  // where the command that drew it begins
};

struct Circle {
    int layer = 0;
    Point centre;
    double radius = 0.0;
    ScriptPosition where;
};

// An arc always runs counter-clockwise from `start` to `end`, whichever way its points were
// given. The angles are radians from +X: startAngle in [0, 2π), endAngle in
// (startAngle, startAngle + 2π).
struct Arc {
    int layer = 0;
    Point centre;
    double radius = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;
    Point start;
    Point end;
    ScriptPosition where;
};

// A block reference: the block's own lines live in the drawing, so only the insertion point,
// the scales, the rotation (degrees) and the value given for its attribute are known here.
struct Insert {
    int layer = 0;
    std::string block;
    Point point;
    double scaleX = 1.0;
    double scaleY = 1.0;
    double rotation = 0.0;
    std::string value;
    ScriptPosition where;
};

struct Extent {
    Point min;
    Point max;
    bool empty = true;
    void Add(Point p);
    double Width() const { return empty ? 0.0 : max.x - min.x; }
    double Height() const { return empty ? 0.0 : max.y - min.y; }
};

struct Drawing {
    std::vector<std::string> layers;  // in the order they were first used
    std::vector<Segment> segments;
    std::vector<Circle> circles;
    std::vector<Arc> arcs;
    std::vector<Insert> inserts;

    // The index of the layer, added when it is new. Layer names are compared as written.
    int LayerIndex(const std::string& name);
    // -1 when no entity uses that name.
    int FindLayer(const std::string& name) const;
    const std::string& LayerName(int index) const { return layers.at(index); }
    std::size_t EntityCount() const {
        return segments.size() + circles.size() + arcs.size() + inserts.size();
    }
    // The smallest box holding every entity: arcs by their ends and the quadrant points they
    // pass, circles by their four quadrant points, inserts by their insertion point.
    Extent Bounds() const;
};

// True when the angle `a` (radians) lies on the arc's counter-clockwise sweep.
bool ArcContainsAngle(const Arc& arc, double a);

}  // namespace bw::preview
