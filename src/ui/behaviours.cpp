#include "ui/behaviours.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

#include "exchange/script_format.h"
#include "ui/feature_tab.h"

namespace bw::ui {

namespace {

// A decimal box also takes the slash and the blank of an inch fraction ("1 1/2"), so that
// no fraction is read as the digits left when they are dropped (1/4 as 14).
bool InSet(QChar c, CharSet set) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (set == CharSet::Decimal &&
            (c == QLatin1Char('.') || c == QLatin1Char('/') || c == QLatin1Char(' ')));
}

std::function<void()>& RefusalSound() {
    static std::function<void()> sound = [] { QApplication::beep(); };
    return sound;
}

// What a paste or a drop put into the box is filtered like typed keys: the characters
// outside the set are dropped, so pasting "1a.5-2" leaves "1.52" just as typing it would.
// Only user edits are filtered; a text the program sets (" .015") stays as it is.
void FilterUserEdit(QLineEdit* box, CharSet set) {
    const QString text = box->text();
    QString kept;
    int cursor = box->cursorPosition();
    for (int i = 0; i < text.size(); ++i) {
        if (InSet(text.at(i), set)) {
            kept.append(text.at(i));
        } else if (i < box->cursorPosition()) {
            --cursor;
        }
    }
    if (kept != text) {
        RefusalSound()();
        box->setText(kept);
        box->setCursorPosition(cursor);
    }
}

class KeyFilter : public QObject {
  public:
    KeyFilter(CharSet set, bool movesOn, QObject* parent)
        : QObject(parent), set_(set), movesOn_(movesOn) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (movesOn_) {
                // The focus goes on as if the user had pressed Tab.
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QApplication::sendEvent(watched, &tab);
            }
            return true;
        }
        const QString text = key->text();
        if (text.isEmpty() || text.at(0) < QLatin1Char(' ') || text.at(0) == QChar(0x7f)) {
            return false;  // editing and shortcut keys (Backspace, arrows, paste) pass
        }
        for (QChar c : text) {
            if (!InSet(c, set_)) {
                // The key is heard, not silently dropped: the box stays as it was.
                RefusalSound()();
                return true;
            }
        }
        return false;
    }

  private:
    CharSet set_;
    bool movesOn_;
};

class TidyFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            auto* box = static_cast<QLineEdit*>(watched);
            const QString tidied = TidiedNumberText(box->text());
            if (tidied != box->text()) box->setText(tidied);
        }
        return false;
    }
};

class SelectAllFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            box->selectAll();
            // A mouse click that gave the focus would place the cursor afterwards and undo
            // the selection, so select once more when the click is done.
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus()) box->selectAll();
            });
        }
        return false;
    }
};

class FocusInFilter : public QObject {
  public:
    FocusInFilter(std::function<void()> action, QObject* parent)
        : QObject(parent), action_(std::move(action)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) action_();
        return false;
    }

  private:
    std::function<void()> action_;
};

}  // namespace

QString TidiedNumberText(const QString& text) {
    return QString::fromStdString(TidiedBoxText(text.toStdString()));
}

void SetRefusalSound(std::function<void()> sound) { RefusalSound() = std::move(sound); }

QString NumberBoxTip(CharSet set) {
    return set == CharSet::Decimal
               ? QStringLiteral("A decimal (0.375) or an inch fraction (3/8, 1 1/2)")
               : QStringLiteral("A whole number, digits only");
}

void MakeNumberBox(QLineEdit* box, const NumberBoxOptions& options) {
    box->installEventFilter(new KeyFilter(options.charSet, options.enterMovesOn, box));
    const CharSet set = options.charSet;
    QObject::connect(box, &QLineEdit::textEdited, box, [box, set] { FilterUserEdit(box, set); });
    if (options.tidyOnLeave) box->installEventFilter(new TidyFilter(box));
    if (options.selectAllOnFocus) SelectAllOnFocus(box);
    box->setToolTip(NumberBoxTip(set));
}

void SelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectAllFilter(box)); }

void OnFocusIn(QWidget* control, QObject* owner, std::function<void()> action) {
    // The filter belongs to the control; `owner` only bounds the action's life.
    QPointer<QObject> alive(owner);
    control->installEventFilter(new FocusInFilter(
        [alive, action = std::move(action)] {
            if (alive) action();
        },
        control));
}

void WireViewOptions(QRadioButton* drawSide, QRadioButton* drawFace, QListWidget* depthList,
                     const QList<QRadioButton*>& directions) {
    auto setEnabled = [depthList, directions](bool enabled) {
        if (depthList) depthList->setEnabled(enabled);
        for (QRadioButton* option : directions) option->setEnabled(enabled);
    };
    QObject::connect(drawSide, &QRadioButton::toggled, drawSide, [setEnabled](bool on) {
        if (on) setEnabled(true);
    });
    QObject::connect(drawFace, &QRadioButton::toggled, drawFace, [setEnabled](bool on) {
        if (on) setEnabled(false);
    });
}

int SelectedIndex(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return -1;
    return list->row(selected.first());
}

void ReportChanges(FeatureTab* tab, const QList<QRadioButton*>& options,
                   const QList<QCheckBox*>& checks, const QList<QListWidget*>& lists,
                   const QList<QLineEdit*>& boxes) {
    for (QRadioButton* option : options) {
        QObject::connect(option, &QRadioButton::toggled, tab, &FeatureTab::InputsChanged);
    }
    for (QCheckBox* check : checks) {
        QObject::connect(check, &QCheckBox::toggled, tab, &FeatureTab::InputsChanged);
    }
    for (QListWidget* list : lists) {
        QObject::connect(list, &QListWidget::itemSelectionChanged, tab, &FeatureTab::InputsChanged);
    }
    for (QLineEdit* box : boxes) {
        QObject::connect(box, &QLineEdit::textChanged, tab, &FeatureTab::InputsChanged);
    }
}

void OnPick(QListWidget* list, QObject* receiver, const std::function<void()>& click) {
    QObject::connect(list, &QListWidget::itemClicked, receiver, [click] { click(); });
    QObject::connect(list, &QListWidget::currentRowChanged, receiver, [click](int row) {
        if (row >= 0) click();
    });
}

}  // namespace bw::ui
