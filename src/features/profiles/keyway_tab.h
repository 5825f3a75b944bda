// The "Keyways" tab: key width and diameter lists from Keyway.dat that fill the two boxes,
// shaft or hub, the hidden option, and its OK.
#pragma once

#include "ui/controls.h"

#include "features/profiles/keyway.h"
#include "ui/feature_tab.h"

namespace bw {

class KeywayTab : public FeatureTabOf<KeywayInput> {
    Q_OBJECT
  public:
    explicit KeywayTab(Host& host, QWidget* parent = nullptr);

    // Loads Keyway.dat into List12, List13 and the table; the OK stays enabled either way.
    void LoadTables() override;

    void List12_Click();  // the picked key width into Text11
    void List13_Click();  // the picked diameter into Text12
    // OK: read the insertion info, check, write the keyway, minimise.
    void Command15_Click();

    KeywayInput Input() const override;
    const KeywayTable& Table() const { return table_; }

  private:
    QCheckBox* check09_;      // "Hidden"
    QRadioButton* option39_;  // "Hub"
    QRadioButton* option40_;  // "Shaft"
    QListWidget* list12_;     // key widths
    QListWidget* list13_;     // diameters
    QLineEdit* text11_;       // key width
    QLineEdit* text12_;       // shaft or hub diameter
    QPushButton* command15_;
    KeywayTable table_;
};

}  // namespace bw
