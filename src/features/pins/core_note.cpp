#include "features/pins/core_note.h"

#include "exchange/script_writer.h"
#include "tables/labelled_section.h"

namespace bw {

CoreNumberTableLoad ParseCoreNumberTable(std::string_view bytes) {
    CoreNumberTableLoad load;
    FieldReader reader(bytes);
    ReadLabelledSection(reader, {kCoreNumberTableFile, "core number"}, load.table.labels,
                        {{"core number", load.table.numbers}}, load.diagnostic);
    return load;
}

CoreNumberTableLoad LoadCoreNumberTable(const std::string& programFolder) {
    return LoadTableFile<CoreNumberTable>(programFolder, kCoreNumberTableFile,
                                          ParseCoreNumberTable);
}

std::string CoreNumberTableCounts(const CoreNumberTable& table) {
    return CountOf(table.labels.size(), "core number", "core numbers");
}

std::optional<std::string> CheckCoreNote(const CoreNoteInput& input) {
    if (!input.coreNumber) return "You Must Select Pin Size";
    return std::nullopt;
}

std::string CoreNoteScript(const CoreNoteInput& input, const DrawContext& context) {
    // The same scale answers both the X and the Y scale prompts, the rotation is always 0,
    // and the core number answers the block's attribute prompt. No layer is set: the note
    // goes on the layer that is current in the drawing.
    std::string script;
    ScriptWriter(script).Insert(input.cxPin ? "Dmehnote" : "Dmesnote", context.BasePoint,
                                context.InsertScale, *input.coreNumber);
    return script;
}

}  // namespace bw
