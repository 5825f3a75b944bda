#include "ui/preview_pane.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "exchange/script_format.h"
#include "preview/dxf_writer.h"
#include "preview/script_interpreter.h"
#include "ui/feature_tab.h"
#include "ui/host.h"
#include "ui/text.h"

namespace bw {

namespace {

constexpr int kMarginPixels = 12;
constexpr int kDebounceMs = 120;

// Drawing units to pixels: the extent fitted into the picture, Y turned down the page.
struct Fit {
    double scale = 1.0;
    double offsetX = 0.0;
    double offsetY = 0.0;
    QPointF Map(preview::Point p) const { return {offsetX + p.x * scale, offsetY - p.y * scale}; }
};

Fit FitExtent(const preview::Extent& e, QSizeF size) {
    Fit fit;
    const double width = std::max(1.0, size.width() - 2.0 * kMarginPixels);
    const double height = std::max(1.0, size.height() - 2.0 * kMarginPixels);
    const double w = e.Width(), h = e.Height();
    if (w > 0 || h > 0) {
        fit.scale = std::min(w > 0 ? width / w : HUGE_VAL, h > 0 ? height / h : HUGE_VAL);
    }
    const double cx = (e.min.x + e.max.x) / 2.0, cy = (e.min.y + e.max.y) / 2.0;
    fit.offsetX = size.width() / 2.0 - cx * fit.scale;
    fit.offsetY = size.height() / 2.0 + cy * fit.scale;
    return fit;
}

// Lines of one style, with the sub-pixel ones that would repaint the same pixel left out.
class LineBatch {
  public:
    void Add(QPointF a, QPointF b) {
        const QPoint pa = a.toPoint(), pb = b.toPoint();
        if (pa == pb) {
            if (pa == lastDot_) return;
            lastDot_ = pa;
        }
        lines_.push_back(QLineF(a, b));
    }
    void Paint(QPainter& painter) const {
        if (!lines_.empty()) painter.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    }

  private:
    std::vector<QLineF> lines_;
    QPoint lastDot_{-1000000, -1000000};
};

// A size as the label shows it: always four decimals, enough for a sixteenth (0.0625), and
// the drawing's single-precision coordinates rounded away (1.0000, not 0.999999).
QString SizeText(double value) { return QString::number(static_cast<float>(value), 'f', 4); }

QString ExtentOf(const preview::Drawing& d) {
    const preview::Extent e = preview::DrawnExtent(d);
    if (e.empty) return {};
    return SizeText(e.Width()) + QStringLiteral(" \u00d7 ") + SizeText(e.Height());
}

// Text of a height in drawing units, centred on a point, as the note block writes it.
void CentredText(QPainter& painter, QPointF at, double pixelHeight, const QString& text) {
    if (pixelHeight < 1.0) return;
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelHeight))));
    painter.setFont(font);
    QRectF box(at.x() - 4 * pixelHeight * text.size(), at.y() - pixelHeight,
               8 * pixelHeight * text.size(), 2 * pixelHeight);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

QImage RenderPreview(const preview::Drawing& drawing, const std::string& hiddenLayer,
                     std::optional<preview::Point> insertionPoint, QSize size,
                     qreal devicePixelRatio) {
    const QSize pixels = size * devicePixelRatio;
    QImage image(pixels.expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    preview::Extent extent = preview::DrawnExtent(drawing);
    if (insertionPoint) extent.Add(*insertionPoint);
    if (extent.empty) return image;
    const Fit fit = FitExtent(extent, QSizeF(size));
    // The layers drawn dashed: those the DXF file gives the HIDDEN linetype, the hidden
    // layer's name in any case.
    std::vector<bool> dashedLayer(drawing.layers.size());
    for (size_t i = 0; i < drawing.layers.size(); ++i) {
        dashedLayer[i] =
            !hiddenLayer.empty() && !preview::HiddenDrawnApart(drawing.layers[i], hiddenLayer);
    }
    const auto dashedOn = [&dashedLayer](int layer) {
        return layer >= 0 && static_cast<size_t>(layer) < dashedLayer.size() &&
               dashedLayer[static_cast<size_t>(layer)];
    };

    QPainter painter(&image);
    QPen solid(Qt::black, 0);
    QPen dashed(QColor(0x1f, 0x4e, 0x9e), 0, Qt::DashLine);
    painter.setBrush(Qt::NoBrush);

    LineBatch solidLines, dashedLines;
    for (const preview::Segment& s : drawing.segments) {
        (dashedOn(s.layer) ? dashedLines : solidLines).Add(fit.Map(s.start), fit.Map(s.end));
    }
    painter.setPen(solid);
    solidLines.Paint(painter);
    painter.setPen(dashed);
    dashedLines.Paint(painter);

    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const preview::Circle& c : drawing.circles) {
        painter.setPen(dashedOn(c.layer) ? dashed : solid);
        const double r = c.radius * fit.scale;
        painter.drawEllipse(fit.Map(c.centre), r, r);
    }
    for (const preview::Arc& a : drawing.arcs) {
        painter.setPen(dashedOn(a.layer) ? dashed : solid);
        const double r = a.radius * fit.scale;
        const QPointF centre = fit.Map(a.centre);
        // Qt counts angles counter-clockwise as seen on the screen, as the drawing does.
        const double degrees = 180.0 / std::numbers::pi;
        QPainterPath path;
        path.arcMoveTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                       a.startAngle * degrees);
        path.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), a.startAngle * degrees,
                   (a.endAngle - a.startAngle) * degrees);
        painter.drawPath(path);
    }
    // Marks stay crisp: a blended cross would fade into the lines it sits on.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor markColour(0xc0, 0x39, 0x2b);
    painter.setPen(QPen(markColour, 0));
    // A note is drawn as the block the DXF file defines for it: its circle, the pin kind
    // above the centre and the core number below, scaled and turned with the insert.
    for (const preview::Insert& i : drawing.inserts) {
        painter.setPen(dashedOn(i.layer) ? dashed : solid);
        const double r = preview::kNoteRadius * std::abs(i.scaleX) * fit.scale;
        painter.drawEllipse(fit.Map(i.point), r, r);
        const double scaleY = std::abs(i.scaleY) * fit.scale;
        if (const char* kind = preview::NoteBlockKind(i.block)) {
            CentredText(painter, fit.Map(preview::PlacedInBlock(i, {0.0, preview::kNoteKindY})),
                        preview::kNoteKindHeight * scaleY, QString::fromLatin1(kind));
        }
        CentredText(painter, fit.Map(preview::PlacedInBlock(i, {0.0, preview::kNoteValueY})),
                    preview::kNoteValueHeight * scaleY, ToQt(i.value));
    }
    if (insertionPoint) {
        const QPointF p = fit.Map(*insertionPoint);
        painter.drawEllipse(p, 4.0, 4.0);
        painter.drawLine(p - QPointF(8, 0), p + QPointF(8, 0));
        painter.drawLine(p - QPointF(0, 8), p + QPointF(0, 8));
    }
    return image;
}

struct PreviewPane::Job {
    quint64 generation = 0;
    // The tab's step and what it draws with, or else
    std::optional<FeatureStep> step;  // none: the tab draws nothing
    DrawContext context;
    std::shared_ptr<const preview::Drawing> drawing;  // paint this again at a new size
    bool repaintOnly = false;
    std::string startLayer;
    std::string hiddenLayer;
    std::optional<preview::Point> insertionPoint;
    QSize size;
    qreal devicePixelRatio = 1.0;
};

struct PreviewPane::Outcome {
    quint64 generation = 0;
    bool repaintOnly = false;
    std::shared_ptr<const preview::Drawing> drawing;
    QString message;  // a failed check, or why the script cannot be read
    bool drawsNothing = false;
    QImage image;
    std::string hiddenLayer;
    std::optional<preview::Point> insertionPoint;
};

PreviewPane::PreviewPane(Host& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("PreviewPane"));
    setMinimumSize(200, 160);
    debounce_.setSingleShot(true);
    debounce_.setInterval(kDebounceMs);
    connect(&debounce_, &QTimer::timeout, this, &PreviewPane::UpdateNow);
    resizeDebounce_.setSingleShot(true);
    resizeDebounce_.setInterval(kDebounceMs);
    connect(&resizeDebounce_, &QTimer::timeout, this, [this] {
        if (!drawing_) return;
        Job job;
        job.generation = latest_;
        job.repaintOnly = true;
        job.drawing = drawing_;
        job.hiddenLayer = hiddenLayer_;
        job.insertionPoint = insertionPoint_;
        job.size = PictureSize();
        job.devicePixelRatio = devicePixelRatioF();
        Post(std::move(job));
    });
    workerContext_ = new QObject;
    workerContext_->moveToThread(&worker_);
    connect(&worker_, &QThread::finished, workerContext_, &QObject::deleteLater);
    worker_.setObjectName(QStringLiteral("PreviewWorker"));
    worker_.start();
}

PreviewPane::~PreviewPane() {
    latest_ = ~quint64{0};  // whatever is still queued is stale
    worker_.quit();
    worker_.wait();
}

void PreviewPane::Attach(QTabWidget* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (auto* tab = qobject_cast<FeatureTab*>(tabs->widget(i))) {
            connect(tab, &FeatureTab::InputsChanged, this, [this, tab] {
                if (tab == tab_) ScheduleUpdate();
            });
        }
    }
    connect(tabs, &QTabWidget::currentChanged, this,
            [this, tabs](int index) { SetTab(qobject_cast<FeatureTab*>(tabs->widget(index))); });
    SetTab(qobject_cast<FeatureTab*>(tabs->currentWidget()));
}

bool PreviewPane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowStateChange) {
        // Only what can change while the window is away: an update skipped while it was
        // minimised, or insertion info read by an OK in the meantime.
        const DrawContext now = host_.CurrentDrawContext();
        const DrawContext& was = drawnWith_;
        const bool changed =
            !(now.BasePoint == was.BasePoint) || now.InsertScale != was.InsertScale ||
            now.CurrentLayer != was.CurrentLayer || now.HiddenLayer != was.HiddenLayer ||
            now.EjectorClearance != was.EjectorClearance;
        if (skippedWhileAway_ || changed) ScheduleUpdate();
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewPane::SetTab(FeatureTab* tab) {
    tab_ = tab;
    UpdateNow();
}

void PreviewPane::ScheduleUpdate() { debounce_.start(); }

void PreviewPane::UpdateNow() {
    debounce_.stop();
    // Nobody looks at a minimised window; restoring it asks again.
    skippedWhileAway_ = window()->isMinimized();
    if (skippedWhileAway_) return;
    const DrawContext context = host_.CurrentDrawContext();
    drawnWith_ = context;
    Job job;
    job.generation = latest_ + 1;
    // The tab reads its inputs here, on the window's thread; the worker makes the script.
    if (tab_ && !tab_->Unavailable().empty()) {
        job.step = [why = tab_->Unavailable()](const DrawContext&) { return StepOutcome{"", why}; };
    } else if (tab_) {
        job.step = tab_->Step();
    }
    job.context = context;
    job.startLayer = context.CurrentLayer;
    // Dashed exactly where a DXF of the drawing gives the HIDDEN linetype: with the hidden
    // layer the current one, the CAD side draws hidden edges solid too.
    job.hiddenLayer = preview::HiddenDrawnApart(context.HiddenLayer, context.CurrentLayer)
                          ? context.HiddenLayer
                          : std::string();
    job.insertionPoint = preview::Point{context.BasePoint.X, context.BasePoint.Y};
    job.size = PictureSize();
    job.devicePixelRatio = devicePixelRatioF();
    latest_ = job.generation;
    Post(std::move(job));
}

void PreviewPane::Post(Job job) {
    QMetaObject::invokeMethod(
        workerContext_,
        [this, job = std::move(job)] {
            if (job.generation != latest_) return;
            Outcome outcome;
            outcome.generation = job.generation;
            outcome.hiddenLayer = job.hiddenLayer;
            outcome.insertionPoint = job.insertionPoint;
            if (!job.repaintOnly) {
                const std::optional<StepOutcome> made =
                    job.step ? std::optional((*job.step)(job.context)) : std::nullopt;
                auto result = std::make_shared<preview::Interpretation>();
                if (made && made->message.empty()) {
                    *result = preview::InterpretScript(made->script, job.startLayer);
                }
                if (!made) {
                    outcome.drawsNothing = true;
                } else if (!made->message.empty()) {
                    outcome.message = ToQt(made->message);
                } else if (result->problem) {
                    outcome.message = QStringLiteral("This script cannot be previewed: ") +
                                      ToQt(result->problem->Describe());
                } else {
                    // Share the drawing without copying it out of the interpretation.
                    outcome.drawing =
                        std::shared_ptr<const preview::Drawing>(result, &result->drawing);
                }
            } else {
                outcome.repaintOnly = true;
                outcome.drawing = job.drawing;
            }
            if (job.generation != latest_) return;
            if (outcome.drawing) {
                outcome.image = RenderPreview(*outcome.drawing, job.hiddenLayer, job.insertionPoint,
                                              job.size, job.devicePixelRatio);
            }
            QMetaObject::invokeMethod(
                this, [this, outcome = std::move(outcome)] { Accept(outcome); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void PreviewPane::Accept(const Outcome& outcome) {
    if (outcome.generation != latest_) return;
    if (outcome.repaintOnly) {
        if (outcome.drawing == drawing_) picture_ = outcome.image;
        update();
        return;
    }
    shown_ = outcome.generation;
    message_ = outcome.message;
    drawsNothing_ = outcome.drawsNothing;
    drawing_ = outcome.drawing;
    hiddenLayer_ = outcome.hiddenLayer;
    insertionPoint_ = outcome.insertionPoint;
    picture_ = outcome.image;
    extent_ = drawing_ ? ExtentOf(*drawing_) : QString();
    ++updatesShown_;
    // The pane may have changed size while the drawing was on its way.
    if (drawing_ && picture_.deviceIndependentSize().toSize() != PictureSize()) {
        resizeDebounce_.start();
    }
    update();
    emit Shown();
}

void PreviewPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The insertion info may have been read while the window was away, and a minimised
    // window was not drawn for: its restoring and activation ask again.
    if (window() != watchedWindow_) {
        if (watchedWindow_) watchedWindow_->removeEventFilter(this);
        watchedWindow_ = window();
        watchedWindow_->installEventFilter(this);
    }
}

void PreviewPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (drawing_) resizeDebounce_.start();
}

void PreviewPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect inner = rect().adjusted(8, 8, -8, -8);
    if (!message_.isEmpty() || picture_.isNull()) {
        painter.setPen(message_.isEmpty() ? QColor(Qt::gray) : QColor(0xc0, 0x39, 0x2b));
        painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, ShownText());
        return;
    }
    // A picture painted for another size is stretched until the new one arrives; the size
    // label has its own strip below it, so it never covers the drawing.
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(PictureSize())), picture_);
    painter.setPen(Qt::darkGray);
    painter.drawText(QRect(8, height() - LabelStrip(), width() - 16, LabelStrip()),
                     Qt::AlignLeft | Qt::AlignVCenter, extent_);
}

QString PreviewPane::ShownText() const {
    if (!message_.isEmpty()) return message_;
    if (!picture_.isNull()) return {};
    return drawsNothing_ ? QStringLiteral("Nothing to draw on this page")
                         : QStringLiteral("Drawing\u2026");
}

int PreviewPane::LabelStrip() const { return fontMetrics().height() + 6; }

QSize PreviewPane::PictureSize() const {
    return QSize(width(), std::max(1, height() - LabelStrip()));
}

}  // namespace bw
