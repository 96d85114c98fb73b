#include "maps/widgets/TJupiterMoon.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"

namespace {

// Shows a picture the window draws; the window redraws it when the box changes size.
class PictureBox : public QWidget {
  public:
    PictureBox(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(16, 16);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawImage(0, 0, image_);
    }

  private:
    const QImage& image_;
};

enum EventColumn { kDateColumn, kTimeColumn, kMoonColumn, kEventColumn, kColumnCount };

// Event times are a theory's predictions good to minutes at best: shown to the minute.
CalendarRecord ToNearestMinute(SimTime local) {
    return ToCalendarRecord(std::round(local / 60.0) * 60.0);
}

}  // namespace

TJupiterMoon::TJupiterMoon(Simulation& sim, SettingsStore& settings, QWidget* parent)
    : QWidget(parent),
      sim_(sim),
      settings_(settings),
      planet_(JupiterPicture::FromMediaFolder(Services::instance().mediaDirectory())),
      painter_(planet_) {
    setWindowTitle(QStringLiteral("Jupiter and the Galilean Moons"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* tools = new QWidget(this);
    auto* toolsLayout = new QHBoxLayout(tools);
    toolsLayout->setContentsMargins(6, 3, 6, 3);
    showMoonOrbit_ = new QCheckBox(QStringLiteral("Show moon orbits"), tools);
    showLabels_ = new QCheckBox(QStringLiteral("Show labels"), tools);
    toolsLayout->addWidget(showMoonOrbit_);
    toolsLayout->addWidget(showLabels_);
    toolsLayout->addStretch(1);
    layout->addWidget(tools);

    earthView_ = new PictureBox(earth_, this);
    earthView_->setFixedHeight(kEarthViewHeight);
    layout->addWidget(earthView_);

    split_ = new QSplitter(Qt::Vertical, this);
    split_->setChildrenCollapsible(false);
    planView_ = new PictureBox(plan_, split_);
    auto* eventsPanel = new QWidget(split_);
    auto* eventsLayout = new QVBoxLayout(eventsPanel);
    eventsLayout->setContentsMargins(0, 2, 0, 0);
    eventsLayout->setSpacing(2);
    eventsTitle_ = new QLabel(eventsPanel);
    eventsTitle_->setContentsMargins(6, 0, 6, 0);
    events_ = new QTreeWidget(eventsPanel);
    events_->setColumnCount(kColumnCount);
    events_->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Time"),
                              QStringLiteral("Moon"), QStringLiteral("Event")});
    events_->setRootIsDecorated(false);
    events_->setUniformRowHeights(true);
    events_->setSelectionMode(QAbstractItemView::NoSelection);
    events_->setFocusPolicy(Qt::NoFocus);
    events_->header()->setStretchLastSection(true);
    eventsLayout->addWidget(eventsTitle_);
    eventsLayout->addWidget(events_);
    events_->setMinimumHeight(3 * events_->fontMetrics().height());
    split_->addWidget(planView_);
    split_->addWidget(eventsPanel);
    // Growing the window grows the plan view; the list keeps its height.
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    layout->addWidget(split_, 1);

    showMoonOrbit_->setChecked(settings_.get(settings::DrawMoonOrbits));
    showLabels_->setChecked(settings_.get(settings::JupiterShowLabels));
    connect(showMoonOrbit_, &QCheckBox::clicked, this, &TJupiterMoon::OptionClicked);
    connect(showLabels_, &QCheckBox::clicked, this, &TJupiterMoon::OptionClicked);

    earthView_->installEventFilter(this);
    planView_->installEventFilter(this);
    updateTimer_.setInterval(kInactiveIntervalMs);
    connect(&updateTimer_, &QTimer::timeout, this, &TJupiterMoon::UpdateTimerTick);
    updateTimer_.start();
    resize(420, 480);
}

void TJupiterMoon::OptionClicked() {
    DrawJupiterMoons();
    settings_.set(settings::JupiterShowLabels, showLabels_->isChecked());
    settings_.set(settings::DrawMoonOrbits, showMoonOrbit_->isChecked());
}

bool TJupiterMoon::Minimised() const {
    for (const QWidget* w = this; w; w = w->parentWidget())
        if (w->isMinimized()) return true;
    return false;
}

void TJupiterMoon::DrawJupiterMoons() {
    if (Minimised()) return;
    const SimTime now = sim_.SimNow();
    const GalileanConfiguration moons = GalileanPositions(now);
    const JupiterViewOptions options{showMoonOrbit_->isChecked(), showLabels_->isChecked()};

    if (plan_.size() != planView_->size()) plan_ = QImage(planView_->size(), QImage::Format_RGB32);
    if (earth_.size() != earthView_->size())
        earth_ = QImage(earthView_->size(), QImage::Format_RGB32);
    painter_.PaintPlanView(plan_, moons, options);
    painter_.PaintEarthView(earth_, JupiterViewGeometry(plan_.size()), moons, options);
    planView_->update();
    earthView_->update();
    ShowEvents(now);
}

void TJupiterMoon::ShowEvents(SimTime now) {
    const std::vector<JupiterEvent> found = JupiterEventFinder::Find(now);
    const int zone = sim_.observer().zoneOffset;
    eventsTitle_->setText(QStringLiteral("Coming events, next 48 hours (local time, %1)")
                              .arg(sim_.observer().zoneText));
    if (found == shownEvents_ && zone == shownZoneOffset_ &&
        events_->topLevelItemCount() == int(found.size()))
        return;
    shownEvents_ = found;
    shownZoneOffset_ = zone;
    const Locale& locale = Services::instance().locale();
    events_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const JupiterEvent& e : found) {
        const CalendarRecord r = ToNearestMinute(e.time + zone);
        auto* row = new QTreeWidgetItem;
        row->setText(kDateColumn, locale.FormatDate(r));
        row->setText(kTimeColumn, locale.FormatTime(r, false));
        row->setText(kMoonColumn, QString::fromLatin1(MoonData(e.moon).name));
        row->setText(kEventColumn, JupiterEventText(e.kind));
        rows << row;
    }
    events_->addTopLevelItems(rows);
    for (int c = 0; c < kEventColumn; ++c) events_->resizeColumnToContents(c);
}

void TJupiterMoon::SetActive(bool active) {
    updateTimer_.start(active ? kActiveIntervalMs : kInactiveIntervalMs);
}

void TJupiterMoon::UpdateTimerTick() {
    updateTimer_.stop();
    DrawJupiterMoons();
    updateTimer_.start();
}

void TJupiterMoon::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (splitPlaced_) return;
    splitPlaced_ = true;
    // The plan view comes first: the list starts with room for about six events, and never
    // more than a third of the space.
    const int total = split_->height();
    const int rows = 6;
    const int list = std::min(total / 3, eventsTitle_->sizeHint().height() +
                                             events_->header()->sizeHint().height() +
                                             rows * events_->fontMetrics().height() * 5 / 4 + 8);
    split_->setSizes({total - list, list});
}

void TJupiterMoon::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        emit helpRequested(QStringLiteral("JupiterMoons"));
    else
        emit functionKeyPressed(event->key());
}

bool TJupiterMoon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == planView_ || watched == earthView_))
        DrawJupiterMoons();
    return QWidget::eventFilter(watched, event);
}
