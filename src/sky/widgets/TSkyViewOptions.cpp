#include "sky/widgets/TSkyViewOptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/SettingsStore.h"
#include "sky/widgets/SkyViewIcons.h"

namespace sky {

namespace {

QCheckBox* Box(const char* name, const QString& text, bool checked) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QLabel* Note(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// A track bar of tenths of a magnitude with its caption, its value and its two end labels.
QSlider* MagnitudeBar(QGridLayout* grid, int row, const QString& caption, const char* name,
                      int maximum, int value, const QString& endLabel, QLabel*& valueLabel,
                      const char* valueName) {
    auto* bar = new QSlider(Qt::Horizontal);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, maximum);
    bar->setValue(value);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(10);
    auto* label = new QLabel(caption);
    label->setBuddy(bar);
    valueLabel = new QLabel;
    valueLabel->setObjectName(QString::fromLatin1(valueName));
    valueLabel->setMinimumWidth(32);
    grid->addWidget(label, row, 0, 1, 3);
    grid->addWidget(valueLabel, row, 3);
    grid->addWidget(new QLabel(QStringLiteral("0.0")), row + 1, 0);
    grid->addWidget(bar, row + 1, 1);
    grid->addWidget(new QLabel(endLabel), row + 1, 2);
    return bar;
}

}  // namespace

TSkyViewOptions::TSkyViewOptions(SettingsStore& settings, float loadLimit, QWidget* parent)
    : QDialog(parent), store_(settings) {
    setWindowTitle(QStringLiteral("Sky View Options"));
    tabs_ = new QTabWidget;
    // With nothing stored the dialog shows what the view does: the table's defaults.
    const SkyViewSettings s = SkyViewSettings::Read(store_);
    tabs_->addTab(BuildStarsTab(loadLimit), QStringLiteral("Stars"));
    tabs_->addTab(BuildConstellationsTab(), QStringLiteral("Constellations"));
    tabs_->addTab(BuildSolarSystemTab(), QStringLiteral("Solar System"));
    tabs_->addTab(BuildWhereWhenTab(), QStringLiteral("Where && When"));
    tabs_->addTab(BuildMiscTab(), QStringLiteral("Misc."));

    showStarNames_->setChecked(s.drawStarNames);
    showGreek_->setChecked(s.drawGreekNames);
    showFlamsteed_->setChecked(s.drawFlamsteedNames);
    faintestName_->setValue(s.faintestStarName);
    faintestBar_->setValue(s.faintestStarShow);
    drawConstellations_->setChecked(s.drawConstellations);
    drawBoundaries_->setChecked(s.drawBoundaries);
    showConstellationNames_->setChecked(s.drawConstellationNames);
    showPlanets_->setChecked(s.drawPlanetNames);
    showEcliptic_->setChecked(s.drawEcliptic);
    allowMouseLook_->setChecked(s.allowMouseLook);
    drawHorizon_->setChecked(s.drawHorizon);
    ShowMagnitudes();
    tabs_->setCurrentIndex(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        WriteSettings();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

QWidget* TSkyViewOptions::BuildStarsTab(float loadLimit) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* identification = new QGroupBox(QStringLiteral("Identification"));
    auto* grid = new QGridLayout(identification);
    showStarNames_ = Box("ShowStarNames", QStringLiteral("Show &proper names"), true);
    showGreek_ = Box("ShowGreekNomenclature", QStringLiteral("Show &Greek letters"), true);
    showFlamsteed_ =
        Box("ShowFlamsteedNomenclature", QStringLiteral("Show Flamsteed &numbers"), false);
    grid->addWidget(showStarNames_, 0, 0, 1, 4);
    grid->addWidget(showGreek_, 1, 0, 1, 4);
    grid->addWidget(showFlamsteed_, 2, 0, 1, 4);
    faintestName_ =
        MagnitudeBar(grid, 3, QStringLiteral("Faintest star to &identify:"), "FaintestName", 70, 30,
                     QStringLiteral("7.0"), faintestNameLabel_, "FaintestNameLabel");
    grid->addWidget(Note(QStringLiteral("The fainest star to identify track bar indicates the "
                                        "faintest visual magnitude for which you want a star "
                                        "name displayed.")),
                    5, 0, 1, 4);
    layout->addWidget(identification);

    auto* display = new QGroupBox(QStringLiteral("Display"));
    auto* displayGrid = new QGridLayout(display);
    faintestBar_ =
        MagnitudeBar(displayGrid, 0, QStringLiteral("&Faintest star to display:"), "FaintestBar",
                     110, 65, QStringLiteral("11.0"), faintestLabel_, "FaintestLabel");
    displayText_ = Note(
        QStringLiteral("This track bar indicates the faintest star you want shown. However, it "
                       "will only display faint stars that are loaded. The faintest star "
                       "currently loaded by Orbivale is of visual magnitude ") +
        QString::asprintf("%.1f.", double(loadLimit)));
    displayGrid->addWidget(displayText_, 2, 0, 1, 4);
    displayGrid->addWidget(Note(QStringLiteral("Select Tools->Options to control the loading of "
                                               "stars.")),
                           3, 0, 1, 4);
    layout->addWidget(display);
    layout->addStretch(1);

    connect(faintestName_, &QSlider::valueChanged, this, &TSkyViewOptions::ShowMagnitudes);
    connect(faintestBar_, &QSlider::valueChanged, this, &TSkyViewOptions::ShowMagnitudes);
    return page;
}

QWidget* TSkyViewOptions::BuildConstellationsTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    drawConstellations_ =
        Box("DrawConstellations", QStringLiteral("Show constellation &figures"), true);
    drawBoundaries_ = Box("DrawBoundaries", QStringLiteral("Show constellation &boundaries"), true);
    showConstellationNames_ =
        Box("ShowConstellationNames", QStringLiteral("Show constellation &names"), true);
    layout->addWidget(drawConstellations_);
    layout->addWidget(drawBoundaries_);
    layout->addWidget(showConstellationNames_);
    layout->addStretch(1);
    return page;
}

QWidget* TSkyViewOptions::BuildSolarSystemTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    showPlanets_ = Box("ShowPlanets", QStringLiteral("Show planet names"), true);
    showEcliptic_ = Box("ShowEcliptic", QStringLiteral("Show ecliptic"), true);
    layout->addWidget(showPlanets_);
    layout->addWidget(showEcliptic_);
    layout->addStretch(1);
    return page;
}

QWidget* TSkyViewOptions::BuildWhereWhenTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* where = new QGroupBox(QStringLiteral("Observing location"));
    auto* whereLayout = new QHBoxLayout(where);
    auto* earth = new QToolButton;
    earth->setObjectName(QStringLiteral("bEarth"));
    earth->setToolTip(QStringLiteral("Set location"));
    earth->setIcon(SkyViewIcon(SkyIcon::Earth));
    earth->setIconSize(QSize(24, 24));
    earth->setFixedSize(28, 28);
    whereLayout->addWidget(earth, 0, Qt::AlignTop);
    whereLayout->addWidget(
        Note(QStringLiteral("This button on the Sky View tool bar allows you to set the place "
                            "from which the sky is being observed. It also allows you to set the "
                            "time difference from UT (GMT). The resulting time is displayed at "
                            "the bottom on the main Orbivale window. ")),
        1);
    layout->addWidget(where);

    auto* when = new QGroupBox(QStringLiteral("Observing date and time"));
    auto* whenLayout = new QHBoxLayout(when);
    auto* setTime = new QPushButton(QStringLiteral("Set Date and Time..."));
    setTime->setObjectName(QStringLiteral("SetTimeDate"));
    whenLayout->addWidget(setTime, 0, Qt::AlignTop);
    whenLayout->addWidget(
        Note(QStringLiteral("This button normally lives on the God-like tab in the Viewer "
                            "Controls window. It allows you to set the date and time for the "
                            "whole simulation, including the sky view. In addition the God-like "
                            "tab has controls to let you adjust the flow of time.")),
        1);
    layout->addWidget(when);
    layout->addStretch(1);

    connect(earth, &QToolButton::clicked, this, &TSkyViewOptions::setLocationRequested);
    connect(setTime, &QPushButton::clicked, this, &TSkyViewOptions::setDateTimeRequested);
    return page;
}

QWidget* TSkyViewOptions::BuildMiscTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    allowMouseLook_ = Box("AllowMouseLook", QStringLiteral("Allow mouse-look by clicking"), true);
    drawHorizon_ = Box("DrawHorizon", QStringLiteral("Show &horizon and ground"), true);
    layout->addWidget(allowMouseLook_);
    layout->addWidget(drawHorizon_);
    layout->addStretch(1);
    return page;
}

void TSkyViewOptions::ShowMagnitudes() {
    faintestNameLabel_->setText(QString::asprintf("%.1f", faintestName_->value() * 0.1));
    faintestLabel_->setText(QString::asprintf("%.1f", faintestBar_->value() * 0.1));
}

SkyViewSettings TSkyViewOptions::shownSettings() const {
    SkyViewSettings s = SkyViewSettings::Read(store_);
    s.drawStarNames = showStarNames_->isChecked();
    s.drawGreekNames = showGreek_->isChecked();
    s.drawFlamsteedNames = showFlamsteed_->isChecked();
    s.faintestStarName = faintestName_->value();
    s.faintestStarShow = faintestBar_->value();
    s.drawConstellations = drawConstellations_->isChecked();
    s.drawBoundaries = drawBoundaries_->isChecked();
    s.drawConstellationNames = showConstellationNames_->isChecked();
    s.drawPlanetNames = showPlanets_->isChecked();
    s.drawEcliptic = showEcliptic_->isChecked();
    s.allowMouseLook = allowMouseLook_->isChecked();
    s.drawHorizon = drawHorizon_->isChecked();
    return s;
}

void TSkyViewOptions::WriteSettings() {
    const SkyViewSettings s = shownSettings();
    store_.set(settings::SkyDrawStarNames, s.drawStarNames);
    store_.set(settings::SkyDrawGreekNames, s.drawGreekNames);
    store_.set(settings::SkyDrawFlamsteedNames, s.drawFlamsteedNames);
    store_.set(settings::SkyFaintestStarName, s.faintestStarName);
    store_.set(settings::SkyFaintestStarShow, s.faintestStarShow);
    store_.set(settings::SkyDrawConstellations, s.drawConstellations);
    store_.set(settings::SkyDrawBoundaries, s.drawBoundaries);
    store_.set(settings::SkyDrawConstellationNames, s.drawConstellationNames);
    store_.set(settings::SkyDrawPlanetNames, s.drawPlanetNames);
    store_.set(settings::SkyDrawEcliptic, s.drawEcliptic);
    store_.set(settings::SkyAllowMouseLook, s.allowMouseLook);
    store_.set(settings::SkyDrawHorizon, s.drawHorizon);
}

void TSkyViewOptions::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("SkyViewOptions"));
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace sky
