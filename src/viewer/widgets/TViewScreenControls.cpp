#include "viewer/widgets/TViewScreenControls.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/Body.h"
#include "core/Files.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Text.h"
#include "location/widgets/TSetDateTime.h"
#include "sky/StarCatalogue.h"
#include "sky/StarFieldView.h"
#include "viewer/ControlsLogic.h"
#include "viewer/widgets/PadPictures.h"
#include "viewer/widgets/TViewScreen.h"

namespace {

constexpr int kBodyRole = Qt::UserRole + 1;

Body* BodyOf(const QVariant& v) {
    return reinterpret_cast<Body*>(v.value<quintptr>());
}
QVariant Tag(Body* b) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(b));
}

QLabel* PadLabel(const QImage& picture, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setPixmap(QPixmap::fromImage(picture));
    l->setFixedSize(picture.size());
    l->setCursor(Qt::CrossCursor);
    return l;
}

}  // namespace

TViewScreenControls::TViewScreenControls(Simulation& sim, Camera& camera, SettingsStore& settings,
                                         TViewScreen& viewer, StarFieldView& stars,
                                         const sky::StarCatalogue& catalogue, QWidget* parent)
    : QWidget(parent),
      sim_(sim),
      camera_(camera),
      controls_(camera.controls()),
      settings_(settings),
      viewer_(viewer),
      stars_(stars) {
    setWindowTitle(QStringLiteral("Viewer Controls"));
    setFocusPolicy(Qt::StrongFocus);
    camera_.StopPadRotation();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    pages_ = new QTabWidget(this);
    pages_->addTab(BuildNavigation(), QStringLiteral("Navigation"));
    pages_->addTab(BuildGodLike(), QStringLiteral("God-like"));
    pages_->addTab(BuildStars(), QStringLiteral("Stars"));
    pages_->addTab(BuildCamera(), QStringLiteral("Camera"));
    pages_->addTab(BuildControls(), QStringLiteral("Controls"));
    layout->addWidget(pages_);

    auto* velocityRow = new QHBoxLayout;
    velocity_ = new QLabel(QStringLiteral("Velocity:"), this);
    throttle_ = new QSlider(Qt::Horizontal, this);
    throttle_->setRange(CameraControls::kThrottleMin, CameraControls::kThrottleMax);
    throttle_->setPageStep(25);
    throttle_->setTickInterval(100);
    throttle_->setTickPosition(QSlider::TicksBelow);
    throttle_->setToolTip(QStringLiteral("Camera Velocity Control"));
    auto* stop = new QPushButton(QStringLiteral("Stop"), this);
    stop->setToolTip(QStringLiteral("Set Velocity to Zero"));
    velocityRow->addWidget(velocity_);
    layout->addWidget(throttle_);
    velocityRow->addStretch();
    velocityRow->addWidget(stop);
    layout->addLayout(velocityRow);
    status_ = new QStatusBar(this);
    status_->setSizeGripEnabled(false);
    panel0_ = new QLabel(status_);
    panel1_ = new QLabel(status_);
    panel0_->setMinimumWidth(200);
    panel1_->setMinimumWidth(50);
    status_->addWidget(panel0_, 4);
    status_->addWidget(panel1_, 3);
    layout->addWidget(status_);
    showPointer_ = new QCheckBox(QStringLiteral("Show Pointer"), this);
    showPointer_->hide();

    connect(throttle_, &QSlider::valueChanged, this, [this](int p) {
        if (controls_.throttle != p) camera_.SetThrottle(p);
        velocity_->setText(FormatText("Velocity: %.1f km/s", sim_.camera().speed));
    });
    controls_.throttleChanged = [this](int p) {
        if (throttle_->value() != p) throttle_->setValue(p);
        velocity_->setText(FormatText("Velocity: %.1f km/s", sim_.camera().speed));
    };
    controls_.cameraFieldChanged = [this](int p) {
        if (cameraField_->value() != p) cameraField_->setValue(p);
    };
    connect(stop, &QPushButton::clicked, this, [this] { camera_.StopCamera(); });
    connect(showPointer_, &QCheckBox::toggled, &viewer_, &TViewScreen::SetPointer);
    sim_.hooks().clearControlsInfo = [this] { ClearInfo(); };

    // Creation: the target views, the first Where item, then the settings-driven parts.
    FillTargets();
    where_->setCurrentRow(0);
    const int limitTenths = ControlsLogic::MagnitudeSliderMaximum(catalogue.limitMagnitude());
    starMagnitude_->setMaximum(limitTenths);
    maxMagLabel_->setText(FormatText("%.1f", limitTenths / 10.0));
    starMagnitude_->setValue(ControlsLogic::MagnitudeSliderPosition(
        settings_.get(settings::VisualCutOff, limitTenths), limitTenths));
    stars_.field().setVisualCutOff(starMagnitude_->value() * 0.1f);
    starMagnitudeLabel_->setText(FormatText("%.1f", starMagnitude_->value() / 10.0));
    drawFigures_->setChecked(stars_.field().drawConstellations());
    allowMouseLook_->setChecked(settings_.get(settings::AllowMouseLook));
    invertMouse_->setChecked(settings_.get(settings::InvertMouse));
    invertKeyboard_->setChecked(settings_.get(settings::InvertKeyboard));
    SyncViewerOptions();
    controls_.windowOpen = true;
    camera_.SetCameraSpeed(0);
    pages_->setCurrentIndex(0);
    enableJoystick_->setChecked(settings_.get(settings::JoystickEnabled));
    invertThrottle_->setChecked(settings_.get(settings::InvertJoystickThrottle));
    viewer_.setInvertJoystickThrottle(invertThrottle_->isChecked());
    if (enableJoystick_->isChecked()) viewer_.EnableJoystick(true);

    updateStats_ = new QTimer(this);
    updateStats_->setInterval(500);
    connect(updateStats_, &QTimer::timeout, this, &TViewScreenControls::UpdateStats);
    updateStats_->start();
}

TViewScreenControls::~TViewScreenControls() {
    controls_.windowOpen = false;
    controls_.throttleChanged = nullptr;
    controls_.cameraFieldChanged = nullptr;
    sim_.hooks().clearControlsInfo = nullptr;
}

QWidget* TViewScreenControls::BuildNavigation() {
    auto* inner = new QTabWidget;
    inner->setDocumentMode(true);
    inner->addTab(BuildTargeting(), QStringLiteral("Targeting"));
    inner->addTab(BuildMovement(), QStringLiteral("Movement"));
    return inner;
}

QWidget* TViewScreenControls::BuildTargeting() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Target:")), 0, 0, 1, 2);
    tree_ = new QTreeWidget;
    tree_->setHeaderHidden(true);
    tree_->setMinimumWidth(110);
    tree_->setIndentation(12);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_ = new QListWidget;
    list_->setSortingEnabled(true);
    targetViews_ = new QStackedWidget;
    targetViews_->addWidget(tree_);
    targetViews_->addWidget(list_);
    grid->addWidget(targetViews_, 1, 0, 3, 1);
    targetOrder_ = new QTabBar;
    targetOrder_->addTab(QStringLiteral("From Sun"));
    targetOrder_->addTab(QStringLiteral("Alphabetic"));
    targetOrder_->setShape(QTabBar::TriangularSouth);
    grid->addWidget(targetOrder_, 4, 0);

    auto* buttons = new QVBoxLayout;
    auto glyphButton = [&](const QImage& glyph) {
        auto* b = new QToolButton;
        b->setAutoRaise(true);
        b->setFixedSize(36, 36);
        b->setIcon(QIcon(QPixmap::fromImage(glyph)));
        b->setIconSize(QSize(32, 32));
        buttons->addWidget(b);
        return b;
    };
    gotoEncyclo_ = glyphButton(EncyclopediaGlyph());
    moveTo_ = glyphButton(MoveToGlyph());
    lookAt_ = glyphButton(LookAtGlyph());
    buttons->addStretch();
    grid->addLayout(buttons, 1, 1, 3, 1);

    placementPanel_ = new QWidget;
    auto* p = new QGridLayout(placementPanel_);
    p->setContentsMargins(0, 0, 0, 0);
    p->addWidget(new QLabel(QStringLiteral("Where:")), 0, 0, 1, 2);
    where_ = new QListWidget;
    where_->addItems({QStringLiteral("Sunny Side"), QStringLiteral("Dark Side"),
                      QStringLiteral("Above"), QStringLiteral("Below"),
                      QStringLiteral("Above Axis"), QStringLiteral("Below Axis"),
                      QStringLiteral("Centre"), QStringLiteral("Hold Position")});
    where_->setFixedWidth(118);
    p->addWidget(where_, 1, 0, 1, 2);
    radii_ = new QRadioButton(QStringLiteral("radii"));
    km_ = new QRadioButton(QStringLiteral("km"));
    radii_->setChecked(true);
    distanceRadii_ = new QLineEdit(QStringLiteral("10"));
    distanceRadii_->setMaxLength(5);
    distanceKm_ = new QLineEdit(QStringLiteral("20000"));
    distanceKm_->setMaxLength(9);
    distanceRadii_->setFixedWidth(64);
    distanceKm_->setFixedWidth(64);
    p->addWidget(distanceRadii_, 2, 0);
    p->addWidget(radii_, 2, 1);
    p->addWidget(distanceKm_, 3, 0);
    p->addWidget(km_, 3, 1);
    infoPanel_ = new QWidget;
    auto* info = new QVBoxLayout(infoPanel_);
    infoTitle_ = new QLabel;
    QFont underlined = infoTitle_->font();
    underlined.setUnderline(true);
    underlined.setBold(true);
    infoTitle_->setFont(underlined);
    infoTitle_->setCursor(Qt::PointingHandCursor);
    info_ = new QLabel;
    info_->setWordWrap(true);
    info_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // Long descriptions scroll rather than being cut off at the panel's foot.
    infoScroll_ = new QScrollArea;
    infoScroll_->setWidget(info_);
    infoScroll_->setWidgetResizable(true);
    infoScroll_->setFrameShape(QFrame::NoFrame);
    infoScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    infoScroll_->setFixedWidth(118 + infoScroll_->verticalScrollBar()->sizeHint().width());
    info->addWidget(infoTitle_);
    info->addWidget(infoScroll_, 1);
    auto* stack = new QStackedWidget;
    stack->addWidget(placementPanel_);
    stack->addWidget(infoPanel_);
    grid->addWidget(stack, 0, 2, 4, 1);
    moveToTab_ = new QTabBar;
    moveToTab_->addTab(QStringLiteral("Placement"));
    moveToTab_->addTab(QStringLiteral("Info"));
    moveToTab_->setShape(QTabBar::TriangularSouth);
    grid->addWidget(moveToTab_, 4, 2);
    lockOn_ = new QCheckBox(QStringLiteral("Always Look at"));
    grid->addWidget(lockOn_, 5, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);

    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &TViewScreenControls::TargetChosen);
    connect(list_, &QListWidget::itemSelectionChanged, this, &TViewScreenControls::TargetChosen);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { MoveTo(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { MoveTo(); });
    connect(where_, &QListWidget::itemDoubleClicked, this, [this] { MoveTo(); });
    connect(where_, &QListWidget::currentRowChanged, this, [this](int row) {
        controls_.where = static_cast<Where>(std::clamp(row, 0, kWhereCount - 1));
    });
    connect(targetOrder_, &QTabBar::currentChanged, this,
            [this](int i) { ShowAlphabetic(i == 1); });
    connect(moveToTab_, &QTabBar::currentChanged, this, [this, stack](int i) {
        stack->setCurrentIndex(i);
        ShowInfo(i == 1);
    });
    connect(gotoEncyclo_, &QToolButton::clicked, this, &TViewScreenControls::OpenEncyclopedia);
    connect(moveTo_, &QToolButton::clicked, this, [this] { MoveTo(); });
    connect(lookAt_, &QToolButton::clicked, this, [this] {
        camera_.LookAtTarget(SelectedTarget());
        viewer_.RenderNow();
    });
    connect(radii_, &QRadioButton::toggled, this, [this](bool on) { controls_.useRadii = on; });
    connect(distanceRadii_, &QLineEdit::textChanged, this,
            [this](const QString& t) { controls_.radiiText = t; });
    connect(distanceKm_, &QLineEdit::textChanged, this,
            [this](const QString& t) { controls_.kmText = t; });
    connect(lockOn_, &QCheckBox::toggled, this, [this](bool on) {
        controls_.lockOn = on;
        camera_.StopPadRotation();
        viewer_.RefreshCaption();
        const QCursor cursor = on ? QCursor(Qt::CrossCursor) : QCursor(Qt::ArrowCursor);
        viewer_.viewport().setCursor(cursor);
        stick_->setCursor(cursor);
        stickRoll_->setCursor(cursor);
    });
    distanceRadii_->installEventFilter(this);
    distanceKm_->installEventFilter(this);
    infoTitle_->installEventFilter(this);
    return page;
}

QWidget* TViewScreenControls::BuildMovement() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    stick_ = PadLabel(StickPadPicture(), page);
    stickRoll_ = PadLabel(RollPadPicture(), page);
    grid->addWidget(stick_, 0, 0, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Pitch and Yaw")), 1, 0, Qt::AlignCenter);
    grid->addWidget(stickRoll_, 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Roll")), 1, 1, Qt::AlignCenter);
    stick_->installEventFilter(this);
    stickRoll_->installEventFilter(this);
    return page;
}

QWidget* TViewScreenControls::BuildGodLike() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* box = new QGroupBox(QStringLiteral("Simulation Speed"));
    auto* v = new QVBoxLayout(box);
    const struct {
        const char* text;
        const char* hint;
    } buttons[8] = {{"Freeze time (F7)", "Stop the simulator now, you can still look around"},
                    {"Real time (F8)", ""},
                    {"Twice as fast", ""},
                    {"Ten times as fast", "1 minute passes in 6 seconds"},
                    {"Sixty times as fast", "One minute for every second that passes"},
                    {"300 times as fast", "Five minutes pass in just one second"},
                    {"900 times as fast", "15 minutes pass in just one second"},
                    {"3600 times as fast", "1 hour passes in just one second"}};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        speedButtons_[std::size_t(i)] = new QRadioButton(QString::fromLatin1(buttons[i].text));
        speedButtons_[std::size_t(i)]->setToolTip(QString::fromLatin1(buttons[i].hint));
        group->addButton(speedButtons_[std::size_t(i)], i);
        v->addWidget(speedButtons_[std::size_t(i)]);
        connect(speedButtons_[std::size_t(i)], &QRadioButton::clicked, this,
                [this, i] { sim_.SetClockSpeed(ControlsLogic::kSpeedButtons[std::size_t(i)]); });
    }
    speedButtons_[1]->setChecked(true);
    auto* customRow = new QHBoxLayout;
    custom_ = new QRadioButton(QStringLiteral("Custom"));
    group->addButton(custom_, 8);
    customSpeed_ = new QLineEdit;
    customSpeed_->setMaxLength(5);
    // Always open for typing: typing in it chooses Custom.
    customSpeed_->setFixedWidth(60);
    customRow->addWidget(custom_);
    customRow->addWidget(customSpeed_);
    customRow->addWidget(new QLabel(QStringLiteral("times")));
    v->addLayout(customRow);
    row->addWidget(box);
    connect(custom_, &QRadioButton::clicked, this, [this] {
        // Choosing Custom keeps the present speed: the box shows it, ready to be typed over,
        // rather than applying whatever it held from before.
        customSpeed_->setText(QString::number(sim_.ClockSpeed()));
        customSpeed_->setFocus();
        customSpeed_->selectAll();
    });
    connect(customSpeed_, &QLineEdit::editingFinished, this,
            &TViewScreenControls::ApplyCustomSpeed);
    customSpeed_->installEventFilter(this);

    auto* dates = new QVBoxLayout;
    selectDay_ = new QCalendarWidget;
    selectDay_->setGridVisible(false);
    dates->addWidget(selectDay_);
    auto* yearRow = new QHBoxLayout;
    auto* backYear = new QPushButton(QStringLiteral("<<"));
    backYear->setToolTip(QStringLiteral("Go back one year"));
    auto* forwardYear = new QPushButton(QStringLiteral(">>"));
    forwardYear->setToolTip(QStringLiteral("Add one year"));
    auto* now = new QPushButton(QStringLiteral("Now"));
    now->setToolTip(QStringLiteral("Changes simulator time to current date and time"));
    yearRow->addWidget(backYear);
    yearRow->addWidget(now);
    yearRow->addWidget(forwardYear);
    dates->addLayout(yearRow);
    setDateTime_ = new QPushButton(QStringLiteral("Set Date and Time..."));
    setDateTime_->setToolTip(QStringLiteral("Set simulator date and time via separate window"));
    dates->addWidget(setDateTime_);
    connect(setDateTime_, &QPushButton::clicked, this, [this] {
        viewer_.PauseTimer();
        TSetDateTime dialog(sim_, this);
        dialog.exec();
        viewer_.ResumeTimer();
    });
    row->addLayout(dates, 1);
    connect(selectDay_, &QCalendarWidget::clicked, this, &TViewScreenControls::DayChosen);
    connect(backYear, &QPushButton::clicked, this, [this] {
        const QDate d = ControlsLogic::YearStep(selectDay_->selectedDate(), -1);
        selectDay_->setSelectedDate(d);
        DayChosen(d);
    });
    connect(forwardYear, &QPushButton::clicked, this, [this] {
        const QDate d = ControlsLogic::YearStep(selectDay_->selectedDate(), 1);
        selectDay_->setSelectedDate(d);
        DayChosen(d);
    });
    connect(now, &QPushButton::clicked, this, [this] { sim_.SetSimTime(NowSimTime()); });
    return page;
}

QWidget* TViewScreenControls::BuildStars() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Faintest star visible in apparent magnitude:")), 0,
                    0, 1, 3);
    starMagnitude_ = new QSlider(Qt::Horizontal);
    starMagnitude_->setRange(0, 70);
    starMagnitude_->setPageStep(1);
    starMagnitude_->setTickInterval(10);
    starMagnitude_->setTickPosition(QSlider::TicksBelow);
    grid->addWidget(starMagnitude_, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("0.0")), 2, 0);
    starMagnitudeLabel_ = new QLabel;
    grid->addWidget(starMagnitudeLabel_, 2, 1, Qt::AlignCenter);
    maxMagLabel_ = new QLabel(QStringLiteral("7.0"));
    grid->addWidget(maxMagLabel_, 2, 2, Qt::AlignRight);
    drawFigures_ = new QCheckBox(QStringLiteral("Draw constellation figures"));
    grid->addWidget(drawFigures_, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    connect(starMagnitude_, &QSlider::valueChanged, this, [this](int p) {
        stars_.field().setVisualCutOff(p * 0.1f);
        starMagnitudeLabel_->setText(FormatText("%.1f", p / 10.0));
        settings_.set(settings::VisualCutOff, p);
    });
    connect(drawFigures_, &QCheckBox::clicked, this, [this](bool on) {
        stars_.field().setDrawConstellations(on);
        settings_.set(settings::DrawConstellations, on);
    });
    return page;
}

QWidget* TViewScreenControls::BuildCamera() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Zoom:")), 0, 0, 1, 3);
    cameraField_ = new QSlider(Qt::Horizontal);
    cameraField_->setRange(CameraControls::kFieldMin, CameraControls::kFieldMax);
    cameraField_->setValue(CameraControls::kFieldDefault);
    cameraField_->setTickInterval(5);
    cameraField_->setTickPosition(QSlider::TicksBelow);
    grid->addWidget(cameraField_, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("High")), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("1")), 2, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Low")), 2, 2, Qt::AlignRight);
    auto* reset = new QPushButton(QStringLiteral("Default"));
    grid->addWidget(reset, 3, 2);
    grid->setRowStretch(4, 1);
    connect(cameraField_, &QSlider::valueChanged, this, [this](int p) {
        if (controls_.cameraField != p) camera_.SetCameraField(p);
    });
    connect(reset, &QPushButton::clicked, this,
            [this] { cameraField_->setValue(CameraControls::kFieldDefault); });
    return page;
}

QWidget* TViewScreenControls::BuildControls() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto box = [&](const char* text, const settings::Bool& key,
                   std::function<void(bool)> also = nullptr) {
        auto* c = new QCheckBox(QString::fromLatin1(text));
        v->addWidget(c);
        connect(c, &QCheckBox::clicked, this, [this, &key, also](bool on) {
            settings_.set(key, on);
            if (also) also(on);
        });
        return c;
    };
    auto sync = [this](bool) { SyncViewerOptions(); };
    allowMouseLook_ = box("Allow mouse-look by clicking", settings::AllowMouseLook, sync);
    invertMouse_ = box("Invert mouse in Y direction", settings::InvertMouse, sync);
    invertKeyboard_ =
        box("Invert keyboard/joystick in Y direction", settings::InvertKeyboard, sync);
    enableJoystick_ =
        box("Enable joystick", settings::JoystickEnabled, [this](bool on) { JoystickTicked(on); });
    invertThrottle_ = box("Invert joystick throttle", settings::InvertJoystickThrottle,
                          [this](bool on) { viewer_.setInvertJoystickThrottle(on); });
    v->addStretch();
    return page;
}

void TViewScreenControls::JoystickTicked(bool on) {
    if (viewer_.EnableJoystick(on) || !on) return;
    // Nothing to read: the box goes back off, and the first time the user hears why.
    enableJoystick_->setChecked(false);
    settings_.set(settings::JoystickEnabled, false);
    if (toldNoJoystick_) return;
    toldNoJoystick_ = true;
    ::ShowInfo(QStringLiteral("No joystick was found. Plug one in, then tick \"Enable joystick\" "
                              "again."),
               QStringLiteral("Joystick"));
}

void TViewScreenControls::FillTargets() {
    tree_->clear();
    list_->clear();
    Body* sun = sim_.sun();
    if (!sun) return;
    auto* sunNode = new QTreeWidgetItem(tree_, {sun->name()});
    sunNode->setData(0, kBodyRole, Tag(sun));
    auto* sunItem = new QListWidgetItem(sun->name(), list_);
    sunItem->setData(kBodyRole, Tag(sun));
    std::vector<QTreeWidgetItem*> planets;
    for (Body* b : sim_.bodies()) {
        if (b->Kind() == BodyKind::Planet) {
            auto* node = new QTreeWidgetItem(tree_, {b->name()});
            node->setData(0, kBodyRole, Tag(b));
            planets.push_back(node);
        } else if (b->Kind() == BodyKind::Moon) {
            for (QTreeWidgetItem* planet : planets)
                if (BodyOf(planet->data(0, kBodyRole)) == b->Parent()) {
                    auto* node = new QTreeWidgetItem(planet, {b->name()});
                    node->setData(0, kBodyRole, Tag(b));
                }
        } else {
            continue;
        }
        auto* item = new QListWidgetItem(b->name(), list_);
        item->setData(kBodyRole, Tag(b));
    }
}

Body* TViewScreenControls::SelectedTarget() const {
    if (targetViews_->currentIndex() == 1) {
        const auto items = list_->selectedItems();
        return items.isEmpty() ? nullptr : BodyOf(items.first()->data(kBodyRole));
    }
    const auto items = tree_->selectedItems();
    return items.isEmpty() ? nullptr : BodyOf(items.first()->data(0, kBodyRole));
}

void TViewScreenControls::SelectTargetByName(const QString& name) {
    if (targetViews_->currentIndex() == 1) {
        const auto found = list_->findItems(name, Qt::MatchExactly);
        if (found.isEmpty())
            list_->clearSelection();
        else
            list_->setCurrentItem(found.first());
    } else {
        const auto found = tree_->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            tree_->clearSelection();
        else
            tree_->setCurrentItem(found.first());
    }
    TargetChosen();
}

void TViewScreenControls::TargetChosen() {
    Body* target = SelectedTarget();
    controls_.target = target;
    const QString name = target ? target->name() : QString();
    lookAt_->setToolTip(QStringLiteral("Point the camera at ") + name);
    moveTo_->setToolTip(QStringLiteral("Move the camera to ") + name);
    gotoEncyclo_->setToolTip(QStringLiteral("Open Encyclopedia at ") + name +
                             QStringLiteral(" (F9)"));
    lockOn_->setText(QStringLiteral("Always Look at ") + name);
    ShowInfo(moveToTab_->currentIndex() == 1);
    viewer_.RefreshCaption();
}

void TViewScreenControls::ShowAlphabetic(bool alphabetic) {
    if (alphabetic) {
        const auto selected = tree_->selectedItems();
        if (!selected.isEmpty()) {
            const auto found = list_->findItems(selected.first()->text(0), Qt::MatchExactly);
            if (!found.isEmpty()) list_->setCurrentItem(found.first());
        }
        targetViews_->setCurrentIndex(1);
    } else {
        if (list_->currentRow() != 0) {
            tree_->collapseAll();
            const auto selected = list_->selectedItems();
            const QString name = selected.isEmpty() ? QString() : selected.first()->text();
            const auto found = tree_->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
            if (found.isEmpty())
                tree_->clearSelection();
            else
                tree_->setCurrentItem(found.first());
        }
        targetViews_->setCurrentIndex(0);
    }
    if (targetOrder_->currentIndex() != (alphabetic ? 1 : 0))
        targetOrder_->setCurrentIndex(alphabetic ? 1 : 0);
    TargetChosen();
}

void TViewScreenControls::ShowInfo(bool on) {
    if (!on) return;
    Body* target = SelectedTarget();
    infoTitle_->setText(target ? target->name() : QString());
    info_->setText(target ? target->shortText().trimmed() : QString());
}

void TViewScreenControls::ClearInfo() {
    // A change of time or speed empties the panel; choosing the tab or a target fills it again.
    infoTitle_->clear();
    info_->clear();
}

void TViewScreenControls::ReadDistanceBoxes() {
    controls_.useRadii = radii_->isChecked();
    controls_.radiiText = distanceRadii_->text();
    controls_.kmText = distanceKm_->text();
    controls_.where = static_cast<Where>(std::clamp(where_->currentRow(), 0, kWhereCount - 1));
}

void TViewScreenControls::MoveTo() {
    ReadDistanceBoxes();
    camera_.MoveCameraTo(SelectedTarget(), controls_.where);
}

void TViewScreenControls::PlaceInitialTarget() {
    QString name = settings_.get(settings::InitialObject);
    if (!sim_.FindBody(name)) name = QStringLiteral("Mars");
    if (!sim_.FindBody(name)) name = QStringLiteral("Earth");
    if (Body* b = sim_.FindBody(name)) name = b->name();
    SelectTargetByName(name);
    MoveTo();
}

void TViewScreenControls::SetSpeedFactor(int n) {
    n = ControlsLogic::ClampSpeed(n);
    if (const auto index = ControlsLogic::SpeedButtonFor(n)) {
        speedButtons_[std::size_t(*index)]->setChecked(true);
    } else {
        custom_->setChecked(true);
        customSpeed_->setText(QString::number(n));
    }
    sim_.SetClockSpeed(n);
}

void TViewScreenControls::ApplyCustomSpeed() {
    if (!custom_->isChecked()) return;
    const int n = ControlsLogic::CustomSpeed(customSpeed_->text());
    customSpeed_->setText(QString::number(n));
    sim_.SetClockSpeed(n);
}

void TViewScreenControls::DayChosen(const QDate& date) {
    sim_.SetLocalTime(MakeSimTime(date.year(), date.month(), date.day(), 0, 0, 0));
}

void TViewScreenControls::SetCalendarDate(const QDate& date) {
    if (date.isValid() && selectDay_->selectedDate() != date) selectDay_->setSelectedDate(date);
}

void TViewScreenControls::OpenEncyclopedia() {
    QString folder = settings_.get(settings::EncyclopediaLocation);
    if (folder.isEmpty() || !FileExists(folder))
        folder = ResourceDirectory(QStringLiteral("Encyclopedia"));
    OpenDocument(EnsureTrailingSlash(folder) + ControlsLogic::EncyclopediaPage(SelectedTarget()) +
                 QStringLiteral(".htm"));
}

void TViewScreenControls::PressStick(int x, int y) {
    const auto rates = ControlsLogic::StickPad(x, y, stick_->width(), stick_->height());
    camera_.SetPadRates(rates.yaw, rates.pitch, sim_.camera().padRates[2]);
    viewer_.RenderNow();
}

void TViewScreenControls::PressRoll(int x, int y) {
    const QImage picture = stickRoll_->pixmap().toImage();
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return;
    if (const auto rate = ControlsLogic::RollPad(x, y, stickRoll_->width(), stickRoll_->height(),
                                                 picture.pixel(x, y)))
        camera_.SetRollRate(*rate);
}

void TViewScreenControls::UpdateStats() {
    // Minimising acts on the frame round this window, not on the window itself.
    const QWidget* frame = parentWidget() ? parentWidget() : this;
    if (frame->isMinimized() || !isVisible()) return;
    if (Body* target = SelectedTarget())
        panel0_->setText(ControlsLogic::DistanceText(
            target->name(), scene::Length(target->positionKm() - sim_.camera().position)));
    if (Body* nearest = sim_.camera().nearestBody) {
        // Rings are part of their planet, not a place of their own: name the planet.
        if (nearest->Kind() == BodyKind::Rings && nearest->Parent()) {
            Body* planet = nearest->Parent();
            panel1_->setText(ControlsLogic::NearestText(
                planet->name(), scene::Length(planet->positionKm() - sim_.camera().position)));
        } else {
            panel1_->setText(ControlsLogic::NearestText(
                nearest->name(), sim_.camera().nearestDistance + nearest->largestRadius()));
        }
    }
}

QString TViewScreenControls::statusText(int panel) const {
    return panel == 0 ? panel0_->text() : panel1_->text();
}
QString TViewScreenControls::lookAtHint() const {
    return lookAt_->toolTip();
}
QString TViewScreenControls::lockOnCaption() const {
    return lockOn_->text();
}
void TViewScreenControls::SyncViewerOptions() {
    TViewScreen::Options& o = viewer_.options();
    o.allowMouseLook = allowMouseLook_->isChecked();
    o.invertMouse = invertMouse_->isChecked();
    o.invertKeyboard = invertKeyboard_->isChecked();
}

bool TViewScreenControls::allowMouseLook() const {
    return allowMouseLook_->isChecked();
}
bool TViewScreenControls::invertMouse() const {
    return invertMouse_->isChecked();
}
bool TViewScreenControls::invertKeyboard() const {
    return invertKeyboard_->isChecked();
}

void TViewScreenControls::Activated() {
    viewer_.UseBaseInterval();
}

void TViewScreenControls::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1)
        emit helpRequested(QStringLiteral("ViewerControls"));
    else
        emit functionKeyPressed(e->key());
}

bool TViewScreenControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == distanceRadii_ && enter) {
            radii_->setChecked(true);
            MoveTo();
            return true;
        }
        if (watched == distanceKm_ && enter) {
            km_->setChecked(true);
            MoveTo();
            return true;
        }
        if (watched == customSpeed_) {
            if (enter) {
                custom_->setFocus();
                custom_->setChecked(true);
                ApplyCustomSpeed();
                return true;
            }
            if (!key->text().isEmpty() && key->text().at(0).unicode() >= '!')
                custom_->setChecked(true);
        }
    } else if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        if (watched == stick_) {
            PressStick(p.x(), p.y());
            return true;
        }
        if (watched == stickRoll_) {
            PressRoll(p.x(), p.y());
            return true;
        }
        if (watched == infoTitle_) {
            OpenEncyclopedia();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
