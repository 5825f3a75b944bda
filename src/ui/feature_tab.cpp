#include "ui/feature_tab.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "ui/behaviours.h"
#include "ui/controls.h"

namespace bw {

std::optional<StepOutcome> FeatureTab::Preview() const {
    const std::optional<FeatureStep> step = Step();
    if (!step) return std::nullopt;
    return (*step)(host_.CurrentDrawContext());
}

QPushButton* FeatureTab::AddOkButton(const char* name) {
    ok_ = ui::Button(name, "&OK", this);
    return ok_;
}

void FeatureTab::WireView(const ui::ViewOptions& view, const ui::DirectionFrame& direction,
                          QListWidget* depthList) {
    // The options are switched in the order of their names.
    ui::WireViewOptions(view.side, view.face, depthList, direction.InNameOrder());
    BringToFrontOnFocus({view.side, view.face});
    ui::ReportChanges(this, direction.Options() << view.side << view.face, {view.hidden}, {});
}

void FeatureTab::BringToFrontOnFocus(const QList<QWidget*>& controls) {
    for (QWidget* control : controls)
        ui::OnFocusIn(control, this, [this] { host_.BringToFront(this); });
}

void FeatureTab::DisableOk(const std::string& why) {
    if (ok_) ok_->setEnabled(false);
    unavailable_ = why;
}

void FeatureTab::AdoptTable(const TableMessages& messages, const TableDiagnostic& diagnostic,
                            bool needed) {
    const std::string message = TableMessage(messages, diagnostic);
    if (needed && diagnostic.status == TableStatus::NotFound) DisableOk(message);
    if (!message.empty()) host_.ShowMessage(message);
}

void FeatureTab::keyPressEvent(QKeyEvent* event) {
    // A list, an option button or a check box leaves Enter unused, so it presses the page's
    // OK, as in a dialog, and so does OK itself; a text box keeps Enter for moving on.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The control the key came from: the tab's own focus child, active window or not.
    QWidget* focus = focusWidget();
    const bool choice =
        focus == ok_ || qobject_cast<QAbstractItemView*>(focus) ||
        (qobject_cast<QAbstractButton*>(focus) && !qobject_cast<QPushButton*>(focus));
    if (enter && choice && ok_ && ok_->isEnabled() && isAncestorOf(focus)) {
        ok_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace bw
