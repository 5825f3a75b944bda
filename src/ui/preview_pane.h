// The preview pane beside the tabs: what the current tab's OK would write for the current
// inputs, drawn the way the CAD side would draw it. The script comes from the tab (it never
// touches a file); reading it and painting it into a picture happen on a worker thread, so a
// thread of tens of thousands of turns leaves the window responsive.
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "features/feature.h"
#include "preview/drawing.h"

class QTabWidget;

namespace bw {

class Host;
class FeatureTab;

// How a drawing is painted: entities on `hiddenLayer` (in any case; none when empty) dashed,
// the rest solid, core notes as their blocks, the insertion
// point marked with a red cross in a circle, the whole fitted into `size` with a margin.
// Segments shorter than a pixel that land on the pixel already painted are left out, so a
// drawing of hundreds of thousands of tiny segments paints in about the time of its pixels.
QImage RenderPreview(const preview::Drawing& drawing, const std::string& hiddenLayer,
                     std::optional<preview::Point> insertionPoint, QSize size,
                     qreal devicePixelRatio = 1.0);

class PreviewPane : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewPane(Host& host, QWidget* parent = nullptr);
    ~PreviewPane() override;

    // Follows the current tab of `tabs` and the input changes of every feature tab on it.
    void Attach(QTabWidget* tabs);
    // Shows what `tab` would draw (nothing for a tab that draws nothing, or nullptr).
    void SetTab(FeatureTab* tab);
    // An update after a short pause, so a burst of changes (typing) is drawn once.
    void ScheduleUpdate();
    // An update started at once.
    void UpdateNow();

    // What is on display, for tests and for the window.
    // The failed check's message, or why the script cannot be read; empty otherwise.
    QString Message() const { return message_; }
    // The text shown instead of a drawing (a message, or why there is none); empty with one.
    QString ShownText() const;
    // The drawing shown, or nothing (a message, or a tab that draws nothing).
    const preview::Drawing* ShownDrawing() const { return drawing_.get(); }
    // "W × H" of the drawing in drawing units, four decimals; empty without a drawing.
    QString ExtentText() const { return extent_; }
    // The painted picture of the drawing (null without a drawing).
    QImage Picture() const { return picture_; }
    // How many updates have reached the display.
    int UpdatesShown() const { return updatesShown_; }
    // An update is waiting for its pause to end or for the worker.
    bool Busy() const { return debounce_.isActive() || shown_ != latest_; }

    QSize sizeHint() const override { return {320, 320}; }

  signals:
    // A new state is on display.
    void Shown();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Job;
    struct Outcome;
    void Post(Job job);
    void Accept(const Outcome& outcome);
    // The strip below the picture that holds the size label, and the picture's size above it.
    int LabelStrip() const;
    QSize PictureSize() const;

    Host& host_;
    FeatureTab* tab_ = nullptr;
    DrawContext drawnWith_;          // the insertion info and settings of the last update
    bool skippedWhileAway_ = false;  // an update was asked for while minimised
    QPointer<QWidget> watchedWindow_;
    QTimer debounce_;
    QTimer resizeDebounce_;
    QThread worker_;
    QObject* workerContext_ = nullptr;  // lives on worker_
    std::atomic<quint64> latest_{0};    // the newest update asked for
    quint64 shown_ = 0;                 // the update on display

    QString message_;
    std::shared_ptr<const preview::Drawing> drawing_;
    std::string hiddenLayer_;
    std::optional<preview::Point> insertionPoint_;
    QString extent_;
    QImage picture_;
    int updatesShown_ = 0;
    bool drawsNothing_ = true;  // the tab draws nothing, so no drawing is on its way
};

}  // namespace bw
