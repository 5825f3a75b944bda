// The "Simple Cams" tab: the two radii and the center distance, direction and hidden options,
// and its OK.
#pragma once

#include "features/profiles/cam.h"
#include "ui/controls.h"
#include "ui/feature_tab.h"

namespace bw {

class CamTab : public FeatureTabOf<CamInput> {
    Q_OBJECT
  public:
    explicit CamTab(Host& host, QWidget* parent = nullptr);

    // OK: read the insertion info, check, write the cam, minimise.
    void Command14_Click();

    CamInput Input() const override;

  private:
    QLineEdit* text8_;   // pick point radius
    QLineEdit* text9_;   // second radius
    QLineEdit* text10_;  // center distance
    ui::DirectionFrame direction_;
    QCheckBox* check08_;  // "Hidden"
    QPushButton* command14_;
};

}  // namespace bw
