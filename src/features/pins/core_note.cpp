#include "features/pins/core_note.h"

#include "exchange/script_writer.h"
#include "tables/field_reader.h"
#include "tables/table_load.h"

namespace bw {

CoreNumberTableLoad LoadCoreNumberTable(const std::string& programFolder) {
    CoreNumberTableLoad result;
    TableFileBytes file = ReadTableFile(programFolder, kCoreNumberTableFile);
    if (file.diagnostic.status != TableStatus::Loaded) {
        result.diagnostic = file.diagnostic;
        return result;
    }
    CoreNumberTable& t = result.table;
    FieldReader reader(file.bytes);
    int count = 0;
    if (!reader.ReadCount(count)) {
        result.diagnostic = CorruptAt(reader);
        return result;
    }
    for (int i = 0; i < SectionSize(count); ++i) {
        std::string label;
        if (!reader.ReadText(label)) {
            result.diagnostic = CorruptAt(reader);
            return result;
        }
        t.labels.push_back(label);
        t.numbers.push_back(0);
        if (!reader.ReadCount(t.numbers.back())) {
            result.diagnostic = CorruptAt(reader);
            return result;
        }
    }
    return result;
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
