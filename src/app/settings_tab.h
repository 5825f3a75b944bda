// The Settings tab: the CAD program's folder, the drawing folder, the hidden-line layer and
// the ejector clearance, stored in DrawPath.txt beside the program; and whether every OK also
// writes Brasswick.dxf, stored in the desktop's settings store.
#pragma once

#include "app/app_context.h"
#include "ui/feature_tab.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace bw {

class SettingsTab : public FeatureTab {
    Q_OBJECT
  public:
    explicit SettingsTab(AppContext& app, QWidget* parent = nullptr);

    // Folder choosers: on success the folder (with a trailing separator) goes to the picked
    // value and its box.
    void GetLTPath();
    void GetDrawPath();

    void Command7_Click() { GetLTPath(); }
    void Command8_Click() { GetDrawPath(); }
    // Stores the boxes as the settings and writes the settings file; then the DXF box.
    void Command9_Click();
    // Shows the stored settings again.
    void Command12_Click();

    // Start-up: reads the settings file into the state and the boxes. False when the file
    // could not be used (the message has been shown).
    bool ReadSettingsFile();
    // Start-up without a settings file: asks for both folders. False when one was not chosen.
    bool FirstRun();

  private:
    QString ChooseFolder(const QString& title, const QString& current);
    void ShowStored(bool clearanceWithLeadingBlank);

    AppContext& app_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QLineEdit* text5_;
    QCheckBox* checkDxf_;
};

}  // namespace bw
