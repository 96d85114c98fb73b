#include "diagnostics/widgets/TDisplaySettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/SettingsStore.h"

namespace {

QCheckBox* Box(const char* name, const QString& text) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* Note(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// A track bar in a titled frame with its two end labels and, below, what it is for.
QSlider* TrackBar(QVBoxLayout* page, const QString& title, const char* name, int maximum, int tick,
                  const QString& left, const QString& right, const QString& note) {
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    auto* bar = new QSlider(Qt::Horizontal);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, maximum);
    bar->setPageStep(tick);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(tick);
    grid->addWidget(bar, 0, 0, 1, 2);
    grid->addWidget(new QLabel(left), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(right), 1, 1, Qt::AlignRight);
    if (!note.isEmpty()) grid->addWidget(Note(note), 2, 0, 1, 2);
    page->addWidget(group);
    return bar;
}

}  // namespace

TDisplaySettings::TDisplaySettings(SettingsStore& settings, options::ProgramState state,
                                   options::ProgramHooks hooks, QWidget* parent)
    : QDialog(parent), store_(settings), state_(std::move(state)), hooks_(std::move(hooks)) {
    setWindowTitle(QStringLiteral("Options"));
    tabs_ = new QTabWidget;
    tabs_->addTab(BuildDisplayPage(), QStringLiteral("D&isplay"));
    tabs_->addTab(BuildSimulationPage(), QStringLiteral("&Simulation"));
    tabs_->addTab(BuildEffectsPage(), QStringLiteral("&Effects"));
    tabs_->addTab(BuildDirectoriesPage(), QStringLiteral("Di&rectories"));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    connect(ok, &QPushButton::clicked, this, &TDisplaySettings::OKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { emit helpRequested(QStringLiteral("Options")); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    // A fixed border: the pages keep the size their contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (const QString& d : state_.drivers) deviceList_->addItem(d);
    for (const QString& b : state_.initialBodies) initialBodyList_->addItem(b);
    Fill(options::DisplayOptions::Read(store_, state_));
    showPage(DisplayPage);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

QWidget* TDisplaySettings::BuildDisplayPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    deviceList_ = new QListWidget;
    deviceList_->setObjectName(QStringLiteral("DeviceList"));
    deviceList_->setMaximumHeight(80);
    auto* label = new QLabel(QStringLiteral("3D &Device:"));
    label->setBuddy(deviceList_);
    layout->addWidget(label);
    layout->addWidget(deviceList_);
    useMipmaps_ = Box("UseMipmaps", QStringLiteral("Use &Mipmaps"));
    useOurTextureLoader_ =
        Box("UseOurTextureLoader", QStringLiteral("Use internal &texture loader"));
    starsCompatMode_ = Box("StarsCompatMode", QStringLiteral("St&ars Drawn with 3D Device "));
    layout->addWidget(useMipmaps_);
    layout->addWidget(useOurTextureLoader_);
    layout->addWidget(starsCompatMode_);
    // The sky view draws its own picture; what it shows below the horizon is set here too.
    auto* sky = new QGroupBox(QStringLiteral("Sky view"));
    auto* skyLayout = new QVBoxLayout(sky);
    skyHorizon_ = Box("SkyHorizon", QStringLiteral("Show &horizon and ground"));
    skyLayout->addWidget(skyHorizon_);
    layout->addWidget(sky);
    layout->addStretch(1);
    return page;
}

QWidget* TDisplaySettings::BuildSimulationPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    // The switches of what the simulation loads and computes, one check box each.
    auto* switches = new QVBoxLayout;
    showSmallMoons_ = Box("ShowSmallMoons", QStringLiteral("S&how small moons"));
    switches->addWidget(showSmallMoons_);
    precise_ = Box("PreciseEphemeris", QStringLiteral("&Precise positions (ERFA)"));
    precise_->setToolTip(QStringLiteral(
        "Places the planets and the Moon with published theories good to arcseconds instead of "
        "their mean orbits."));
    switches->addWidget(precise_);
    layout->addLayout(switches);
    initialBodyList_ = new QListWidget;
    initialBodyList_->setObjectName(QStringLiteral("InitialBodyList"));
    initialBodyList_->setMaximumHeight(90);
    auto* label = new QLabel(QStringLiteral("Initial &view:"));
    label->setBuddy(initialBodyList_);
    layout->addWidget(label);
    layout->addWidget(initialBodyList_);
    memoryUsageBar_ = TrackBar(layout, QStringLiteral("Memory usage"), "MemoryUsageBar", 2, 1,
                               QStringLiteral("High"), QStringLiteral("Low"),
                               QStringLiteral("High memory usage will produce the best images in "
                                              "the view screen but some PCs may suffer and "
                                              "require a lower setting."));
    limitingMagBar_ = TrackBar(
        layout, QStringLiteral("Background stars"), "LimitingMagBar", 50, 10,
        QStringLiteral("10.0"), QStringLiteral("5.0"),
        QStringLiteral("The higher the number the more stars will be loaded initially. the "
                       "simulator will run faster and require less memory with a lower value "
                       "(visual magnitude)"));
    return page;
}

QWidget* TDisplaySettings::BuildEffectsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    backgroundLight_ = TrackBar(
        layout, QStringLiteral("Background light"), "BackgroundLight", 50, 10,
        QStringLiteral("None"), QStringLiteral("Bright"),
        QStringLiteral("Affects how parts of objects that are not lit by sunlight are shown. For "
                       "'reality' this should be set to 'None'."));
    muteNarrator_ = Box("MuteNarrator", QStringLiteral("&Mute the narrator's voice in tours"));
    muteNarrator_->setToolTip(
        QStringLiteral("Tours still show every line in the narrator's balloon."));
    layout->addWidget(muteNarrator_);
    layout->addStretch(1);
    return page;
}

QWidget* TDisplaySettings::BuildDirectoriesPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    encycDir_ = new QLineEdit;
    encycDir_->setObjectName(QStringLiteral("EncycDir"));
    encycDir_->setMinimumWidth(300);
    browseEncyc_ = new QPushButton(QStringLiteral("&Browse..."));
    browseEncyc_->setObjectName(QStringLiteral("BrowseEncyc"));
    browseEncyc_->setToolTip(QStringLiteral("Look for encyclopaedia yourself."));
    auto* encycLabel = new QLabel(QStringLiteral("&Encyclopedia Location:"));
    encycLabel->setBuddy(encycDir_);
    storedLocs_ = new QLineEdit;
    storedLocs_->setObjectName(QStringLiteral("StoredLocs"));
    browseLocs_ = new QPushButton(QStringLiteral("B&rowse..."));
    browseLocs_->setObjectName(QStringLiteral("BrowseLocs"));
    browseLocs_->setToolTip(QStringLiteral("Find the stored simulator positions yourself."));
    auto* locsLabel = new QLabel(QStringLiteral("Stored Simulator &Positions:"));
    locsLabel->setBuddy(storedLocs_);
    grid->addWidget(encycLabel, 0, 0, 1, 2);
    grid->addWidget(encycDir_, 1, 0);
    grid->addWidget(browseEncyc_, 1, 1);
    grid->addWidget(locsLabel, 2, 0, 1, 2);
    grid->addWidget(storedLocs_, 3, 0);
    grid->addWidget(browseLocs_, 3, 1);
    grid->setRowStretch(4, 1);
    connect(browseEncyc_, &QPushButton::clicked, this, &TDisplaySettings::BrowseEncycClick);
    connect(browseLocs_, &QPushButton::clicked, this, &TDisplaySettings::BrowseLocsClick);
    return page;
}

void TDisplaySettings::Fill(const options::DisplayOptions& o) {
    deviceList_->setCurrentRow(o.driver);
    if (o.driver < 0) deviceList_->clearSelection();
    useMipmaps_->setChecked(o.useMipmaps);
    useOurTextureLoader_->setChecked(o.useOurTextureLoader);
    starsCompatMode_->setChecked(o.starsCompatMode);
    skyHorizon_->setChecked(o.skyHorizon);
    showSmallMoons_->setChecked(o.showSmallMoons);
    precise_->setChecked(o.precise);
    initialBodyList_->setCurrentRow(o.initialBody);
    if (o.initialBody < 0) initialBodyList_->clearSelection();
    memoryUsageBar_->setValue(o.memoryUsage);
    limitingMagBar_->setValue(o.limitingMag);
    backgroundLight_->setValue(o.backgroundLight);
    muteNarrator_->setChecked(o.muteNarrator);
    encycDir_->setText(o.encyclopedia);
    storedLocs_->setText(o.storedPositions);
}

options::DisplayOptions TDisplaySettings::values() const {
    options::DisplayOptions o;
    auto selectedRow = [](const QListWidget* list) {
        const int row = list->currentRow();
        return row >= 0 && list->item(row)->isSelected() ? row : -1;
    };
    o.driver = selectedRow(deviceList_);
    o.useMipmaps = useMipmaps_->isChecked();
    o.useOurTextureLoader = useOurTextureLoader_->isChecked();
    o.starsCompatMode = starsCompatMode_->isChecked();
    o.skyHorizon = skyHorizon_->isChecked();
    o.showSmallMoons = showSmallMoons_->isChecked();
    o.precise = precise_->isChecked();
    o.initialBody = selectedRow(initialBodyList_);
    o.memoryUsage = memoryUsageBar_->value();
    o.limitingMag = limitingMagBar_->value();
    o.backgroundLight = backgroundLight_->value();
    o.muteNarrator = muteNarrator_->isChecked();
    o.encyclopedia = encycDir_->text();
    o.storedPositions = storedLocs_->text();
    return o;
}

void TDisplaySettings::showPage(Page page) {
    tabs_->setCurrentIndex(page);
}

void TDisplaySettings::OKClick() {
    values().Apply(store_, state_, hooks_);
    accept();
}

void TDisplaySettings::BrowseEncycClick() {
    const auto chosen = options::BrowseEncyclopedia(
        encycDir_->text(), [this](const QString& start) { return ChooseDirectory(start); });
    if (chosen) encycDir_->setText(*chosen);
}

void TDisplaySettings::BrowseLocsClick() {
    const QString chosen = ChooseDirectory(storedLocs_->text());
    if (!chosen.isEmpty()) storedLocs_->setText(chosen);
}

QString TDisplaySettings::ChooseDirectory(const QString& start) {
    return QFileDialog::getExistingDirectory(this, QString(), start);
}

bool TDisplaySettings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("Options"));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TDisplaySettings::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("Options"));
        return;
    }
    QDialog::keyReleaseEvent(event);
}
