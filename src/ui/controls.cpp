#include "ui/controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/text.h"

namespace bw::ui {

namespace {

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Arrow keys on a push button would move the focus to the next control in the window, out of
// the page into the page list, which then turns the page; on a page's button they do nothing.
class ArrowsStay : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

QGroupBox* Frame(const char* name, const char* caption, QWidget* parent) {
    return Named(new QGroupBox(QString::fromLatin1(caption), parent), name);
}

QRadioButton* Option(const char* name, const char* caption, QWidget* parent) {
    return Named(new QRadioButton(QString::fromLatin1(caption), parent), name);
}

QCheckBox* Check(const char* name, const char* caption, QWidget* parent) {
    return Named(new QCheckBox(QString::fromLatin1(caption), parent), name);
}

QListWidget* List(const char* name, QWidget* parent) {
    auto* list = Named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QLineEdit* Box(const char* name, QWidget* parent) { return Named(new QLineEdit(parent), name); }

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
    QPushButton* button = Named(new QPushButton(QString::fromLatin1(caption), parent), name);
    button->installEventFilter(new ArrowsStay(button));
    return button;
}

QGroupBox* FrameAround(const char* name, const char* caption, QWidget* control, QWidget* parent) {
    QGroupBox* frame = Frame(name, caption, parent);
    control->setParent(frame);
    (new QVBoxLayout(frame))->addWidget(control);
    return frame;
}

int DirectionFrame::Angle(int unchanged) const {
    if (zero->isChecked()) return 0;
    if (quarter->isChecked()) return 90;
    if (half->isChecked()) return 180;
    if (threeQuarters->isChecked()) return 270;
    return unchanged;
}

QList<QRadioButton*> DirectionFrame::InNameOrder() const {
    QList<QRadioButton*> options = Options();
    std::sort(options.begin(), options.end(),
              [](QRadioButton* a, QRadioButton* b) { return a->objectName() < b->objectName(); });
    return options;
}

DirectionFrame MakeDirectionFrame(const char* frameName, const char* zeroName,
                                  const char* quarterName, const char* halfName,
                                  const char* threeQuartersName, QWidget* parent) {
    DirectionFrame d;
    d.frame = Frame(frameName, "Direction", parent);
    d.zero = Option(zeroName, "Zero", d.frame);
    d.quarter = Option(quarterName, "90", d.frame);
    d.half = Option(halfName, "180", d.frame);
    d.threeQuarters = Option(threeQuartersName, "270", d.frame);
    auto* layout = new QVBoxLayout(d.frame);
    for (QRadioButton* option : d.Options()) layout->addWidget(option);
    return d;
}

ViewOptions MakeViewOptions(const char* frameName, const char* sideName, const char* faceName,
                            const char* hiddenName, QWidget* parent, bool hiddenFirst) {
    ViewOptions v;
    v.frame = Frame(frameName, "Options", parent);
    if (hiddenFirst) v.hidden = Check(hiddenName, "Hidden", v.frame);
    v.side = Option(sideName, "Draw Side", v.frame);
    v.face = Option(faceName, "Draw Face", v.frame);
    if (!hiddenFirst) v.hidden = Check(hiddenName, "Hidden", v.frame);
    auto* layout = new QVBoxLayout(v.frame);
    layout->addWidget(v.side);
    layout->addWidget(v.face);
    layout->addWidget(v.hidden);
    return v;
}

Placement ShownPlacement(const ViewOptions& view, const DirectionFrame& direction, int unchanged) {
    const bool face = view.face && view.face->isChecked();
    return {face ? View::Face : View::Side, DirectionOf(direction.Angle(unchanged)),
            view.hidden->isChecked()};
}

void ShowPlacement(const Placement& placement, const ViewOptions& view,
                   const DirectionFrame& direction) {
    if (view.side) (placement.view == View::Face ? view.face : view.side)->setChecked(true);
    const QList<QRadioButton*> options = direction.Options();  // Right, Up, Left, Down
    options[Degrees(placement.direction) / 90]->setChecked(true);
    view.hidden->setChecked(placement.hidden);
}

void FillList(QListWidget* list, const std::vector<std::string>& labels) {
    list->clear();
    for (const std::string& label : labels) list->addItem(ToQt(label));
    // As wide as the longest label, so a size is read whole ("#10-24 UNC (drill #25)"); the
    // preview beside the pages takes the room that is left.
    if (list->count() > 0) {
        const int width = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width() + 8;
        list->setMinimumWidth(width);
        list->setMaximumWidth(std::max(width, 120));
    }
}

}  // namespace bw::ui
