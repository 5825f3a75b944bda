// The base of every tab: it is given the shared context and may load its tables once at
// start-up, when the window calls LoadTables in the fixed order of the table files.
#pragma once

#include <QWidget>

namespace bw {

class AppContext;

class FeatureTab : public QWidget {
    Q_OBJECT
public:
    explicit FeatureTab(AppContext& app, QWidget* parent = nullptr)
        : QWidget(parent), app_(app) {}
    // The tab's table loaders; called once by start-up.
    virtual void LoadTables() {}

protected:
    AppContext& app_;
};

}  // namespace bw
