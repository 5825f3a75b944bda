// The About tab: Brasswick.msg beside the program, or the built-in text.
#pragma once

#include <string>

#include "ui/feature_tab.h"

class QPlainTextEdit;

namespace bw {

// The text shown when there is no Brasswick.msg.
std::string BuiltInAboutText();

class AboutTab : public FeatureTab {
    Q_OBJECT
  public:
    explicit AboutTab(Host& host, QWidget* parent = nullptr);
    // Fills Text1 from the file or the built-in text.
    void LoadTables() override;
    // The text exactly as loaded, line ends included.
    const std::string& AboutText() const { return text_; }

  private:
    QPlainTextEdit* text1_;
    std::string text_;
};

}  // namespace bw
