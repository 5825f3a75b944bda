// The "Simple Cams" tab: the two radii and the center distance, direction and hidden options,
// and its OK.
#pragma once

#include "app/feature_tab.h"
#include "features/profiles/cam.h"
#include "features/profiles/profile_tabs.h"
#include "ui/controls.h"

namespace bw {

class CamTab : public FeatureTab {
    Q_OBJECT
  public:
    explicit CamTab(AppContext& app, QWidget* parent = nullptr);

    std::optional<PreviewOutcome> Preview() const override;
    // OK: read the insertion info, check, write the cam, minimise.
    void Command14_Click();

    CamInput Input() const;

  private:
    QLineEdit* text8_;   // pick point radius
    QLineEdit* text9_;   // second radius
    QLineEdit* text10_;  // center distance
    ui::DirectionFrame direction_;
    QCheckBox* check08_;  // "Hidden"
    QPushButton* command14_;
};

}  // namespace bw
