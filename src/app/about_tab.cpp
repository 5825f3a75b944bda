#include "app/about_tab.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "exchange/files.h"
#include "ui/entry_fields.h"
#include "ui/text.h"

namespace bw {

std::string BuiltInAboutText() {
    const char* lines[] = {
        "Brasswick For AutoCAD LT",
        "Version 2.5",
        "",
        "Draws standard machine features for moulds, dies and machine parts:",
        "ejector pin holes, core pins, tapped holes, counterbores, threads,",
        "drilled and countersunk holes, slots, cams, keyways, taper pins,",
        "center drill holes and stepped shafts.",
        "",
        "Pick a feature and a size, press OK, then run Brasswick\\Brasswick.scr",
        "in AutoCAD LT to draw it at the insertion point.",
    };
    std::string text;
    for (const char* line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

AboutTab::AboutTab(AppContext& app, QWidget* parent) : FeatureTab(app, parent) {
    auto* layout = new QVBoxLayout(this);
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    layout->addWidget(text1_);
    if (app_.Tabs()) BringTabToFrontOnFocus(text1_, app_.Tabs(), 6);
}

void AboutTab::LoadTables() {
    const std::string path = app_.ProgramFile("Brasswick.msg");
    text_ = BuiltInAboutText();
    if (FileExists(path)) {
        // A file that is there but cannot be read leaves the built-in text.
        if (FileRead file = ReadWholeFile(path); file.ok) text_ = file.bytes;
    }
    text1_->setPlainText(ToQt(text_));
}

}  // namespace bw
