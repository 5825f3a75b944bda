// The "Core Note" tab: the pin kind, the size list from Corenum.dat, and its OK.
#pragma once

#include "ui/controls.h"

#include "features/pins/core_note.h"
#include "ui/feature_tab.h"

namespace bw {

class CoreNoteTab : public FeatureTabOf<CoreNoteInput> {
    Q_OBJECT
  public:
    explicit CoreNoteTab(Host& host, QWidget* parent = nullptr);

    // Loads Corenum.dat into List7 and the numbers; a missing file disables Command5.
    void LoadTables() override;

    // OK: read the insertion info, check, write the insert, minimise.
    void Command5_Click();

    CoreNoteInput Input() const override;
    const CoreNumberTable& Table() const { return table_; }

  private:
    QRadioButton* option25_;  // "C Pin"
    QRadioButton* option26_;  // "CX Pin"
    QListWidget* list7_;
    QPushButton* command5_;
    CoreNumberTable table_;
};

}  // namespace bw
