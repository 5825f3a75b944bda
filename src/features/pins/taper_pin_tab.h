// The "Taper Pins" tab: sizes from 000, the picked size's lengths from 003, direction and
// hidden options, and its OK.
#pragma once

#include "features/pins/taper_pin.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class TaperPinTab : public FeatureTabOf<TaperPinInput> {
    Q_OBJECT
  public:
    explicit TaperPinTab(Host& host, QWidget* parent = nullptr);

    // Loads 000 into List14 and the size table; a missing file disables Command16.
    void LoadTables() override;

    // A size picked: List15 gets its lengths from 003 (also when the same size is picked
    // again).
    void List14_Click();
    // OK: check, then read the insertion info, write the pin, minimise.
    void Command16_Click();

    TaperPinInput Input() const override;
    const std::vector<TaperPinSize>& Sizes() const { return sizes_; }
    const std::vector<TaperPinLength>& Lengths() const { return lengths_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget* list14_;  // sizes
    QListWidget* list15_;  // lengths of the picked size
    ui::DirectionFrame direction_;
    QCheckBox* check10_;  // "Hidden"
    QPushButton* command16_;
    std::vector<TaperPinSize> sizes_;
    std::vector<TaperPinLength> lengths_;
};

}  // namespace bw
