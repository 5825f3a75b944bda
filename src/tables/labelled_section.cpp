#include "tables/labelled_section.h"

namespace bw {

bool ReadLabelledSection(FieldReader& reader, const SectionNames& names,
                         std::vector<std::string>& labels,
                         std::initializer_list<SectionColumn> columns,
                         TableDiagnostic& diagnostic) {
    int count = 0;
    if (!reader.ReadCount(count)) {
        diagnostic = CorruptAt(reader);
        return false;
    }
    for (int i = 0; i < SectionSize(count); ++i) {
        std::string label;
        if (!reader.ReadText(label)) {
            diagnostic = CorruptAt(reader);
            return false;
        }
        // A record that turns out to hold a bad value is taken back out whole.
        auto dropRecord = [&] {
            labels.pop_back();
            for (const SectionColumn& c : columns) {
                if (c.sizes) c.sizes->pop_back();
                if (c.counts) c.counts->pop_back();
            }
        };
        labels.push_back(label);
        for (const SectionColumn& c : columns) {
            if (c.sizes) c.sizes->push_back(0.0f);
            if (c.counts) c.counts->push_back(0);
        }
        for (const SectionColumn& c : columns) {
            const bool read =
                c.sizes ? reader.ReadSingle(c.sizes->back()) : reader.ReadCount(c.counts->back());
            if (!read) {
                if (!names.labelFirst) dropRecord();
                diagnostic = CorruptAt(reader);
                return false;
            }
            if (c.sizes && !CheckTableSize(c.sizes->back(), names.file,
                                           RowName(names.row, static_cast<size_t>(i) + 1, label),
                                           c.field, diagnostic)) {
                dropRecord();
                return false;
            }
        }
    }
    return true;
}

void ReadSections(std::string_view bytes, std::initializer_list<Section> sections,
                  TableDiagnostic& diagnostic) {
    FieldReader reader(bytes);
    for (const Section& s : sections) {
        if (!ReadLabelledSection(reader, s.names, s.labels, s.columns, diagnostic)) return;
    }
}

std::string SectionCounts(std::initializer_list<std::pair<size_t, std::string>> counts) {
    std::string text;
    for (const auto& [count, name] : counts) {
        text += (text.empty() ? "" : ", ") + CountOf(count, name, name + "s");
    }
    return text;
}

}  // namespace bw
