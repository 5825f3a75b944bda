// The insertion-info file the CAD side leaves in the drawing folder: where the next feature
// goes, at what scale, on which layer.
#pragma once

#include <string>
#include <string_view>

#include "exchange/script_format.h"

namespace bw {

struct InsertionInfo {
    PointXY BasePoint{1.0f, 1.0f};
    float InsertScale = 1.0f;
    std::string CurrentLayer = "0";
};

enum class InfoStatus { Read, NotFound, Malformed };

struct InfoReadResult {
    InfoStatus status = InfoStatus::NotFound;
    InsertionInfo info;       // the defaults unless status is Read
    std::string problem;      // for Malformed: what is wrong
    std::string deleteError;  // set when the file was read but could not be deleted
};

inline constexpr const char* kInfoNotFoundMessage = "Insertion Info NOT Found, Using Defaults";

// Parses the six fields: ignored text, X, Y, an ignored number, the scale, and the layer
// between two delimiter characters ([WALLS] gives WALLS).
InfoReadResult ParseInsertionInfo(std::string_view contents);

// Reads the file at `path` and deletes it once it has been read; a malformed file is left
// where it is so nothing the CAD side wrote is lost.
InfoReadResult ReadInsertionInfoFile(const std::string& path);

// The message the window shows for a malformed file.
std::string MalformedInfoMessage(const std::string& path, const std::string& problem);

// The CAD program's layer names are at most this long.
inline constexpr size_t kLongestLayerName = 255;

// Why a layer name cannot be carried by a "Layer set NAME " line, or empty when it can:
// a blank or a line end in it would end the command early and run the rest as commands,
// and the CAD program has no layer of a longer name.
std::string LayerNameProblem(std::string_view name);

// A name as a message shows it: cut after 40 characters, so a name of megabytes still
// makes a message one can read.
std::string ShownName(std::string_view name);

// "WHAT Not Usable: "NAME" (PROBLEM)"
std::string NotUsableMessage(const std::string& what, std::string_view name,
                             const std::string& problem);

}  // namespace bw
