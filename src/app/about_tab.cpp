#include "app/about_tab.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "exchange/files.h"
#include "ui/text.h"

// The project's version, set once in CMake.
#ifndef BW_VERSION
#error "BW_VERSION must name the program's version"
#endif

namespace bw {

std::string BuiltInAboutText() {
    // One line per paragraph: the box wraps them to its width.
    const std::string script = std::string("Brasswick") + kPathSeparator + "Brasswick.scr";
    const std::string lines[] = {
        "Brasswick For AutoCAD LT",
        "Version " BW_VERSION,
        "",
        "Draws standard machine features for moulds, dies and machine parts: ejector pin holes, "
        "core pins, tapped holes, counterbores, threads, drilled and countersunk holes, slots, "
        "cams, keyways, taper pins, center drill holes and stepped shafts.",
        "",
        "Pick a feature and a size, press OK, then run " + script +
            " in AutoCAD LT to draw it at the insertion point.",
    };
    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines[0]) text += "\r\n";
        text += line;
    }
    return text;
}

AboutTab::AboutTab(Host& host, QWidget* parent) : FeatureTab(host, parent) {
    auto* layout = new QVBoxLayout(this);
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(text1_);
    BringToFrontOnFocus({text1_});
}

void AboutTab::LoadTables() {
    const std::string path = ProgramFilePath(host_.ProgramFolder(), "Brasswick.msg");
    text_ = BuiltInAboutText();
    if (FileExists(path)) {
        // A file that is there but cannot be read leaves the built-in text.
        if (FileRead file = ReadWholeFile(path); file.ok) text_ = file.bytes;
    }
    text1_->setPlainText(ToQt(text_));
}

}  // namespace bw
