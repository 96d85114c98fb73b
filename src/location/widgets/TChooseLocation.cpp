#include "location/widgets/TChooseLocation.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Simulation.h"
#include "location/LocationFile.h"
#include "location/LocationFormat.h"
#include "location/widgets/TAddEditLocation.h"

namespace {

void OpenHelp(const QString& topic) {
    if (Services::instance().showHelpTopic) Services::instance().showHelpTopic(topic);
}

// A box of four labels: latitude, longitude, time zone and the daylight-saving rules.
QGroupBox* DetailsBox(std::array<QLabel*, 4>& labels, QCheckBox* extra = nullptr) {
    auto* box = new QGroupBox;
    auto* grid = new QGridLayout(box);
    const char* captions[4] = {"Latitude:", "Longitude:", "Time zone:", "Daylight saving:"};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(captions[i])), i, 0);
        labels[std::size_t(i)] = new QLabel;
        labels[std::size_t(i)]->setMinimumWidth(130);
        grid->addWidget(labels[std::size_t(i)], i, 1);
    }
    if (extra) grid->addWidget(extra, 4, 0, 1, 2);
    return box;
}

QString RulesText(const QString& zoneName) {
    return zoneName.isEmpty() ? QStringLiteral("set by hand") : zoneName + QStringLiteral(" rules");
}

void ShowPlace(const std::array<QLabel*, 4>& labels, double latitude, double longitude,
               int timeZone, const QString& zoneName) {
    labels[0]->setText(LatitudeLabel(latitude));
    labels[1]->setText(LongitudeLabel(longitude));
    labels[2]->setText(FormatTimeZone(timeZone));
    labels[3]->setText(RulesText(zoneName));
}

}  // namespace

TChooseLocation::TChooseLocation(Simulation& sim, SettingsStore& settings, QWidget* parent)
    : QDialog(parent), sim_(sim), settings_(settings) {
    setWindowTitle(QStringLiteral("Choose Location"));
    chooser_ = std::make_unique<LocationChooser>(CurrentLocation::FromObserver(sim.observer()),
                                                 sim.SimNow());

    list_ = new QListWidget;
    list_->setMinimumSize(260, 320);
    details_ = DetailsBox(detailLabels_);
    dst_ = new QCheckBox(QStringLiteral("Add 1hr for Daylight Savings"));
    current_ = DetailsBox(currentLabels_, dst_);

    add_ = new QPushButton(QStringLiteral("&Add..."));
    edit_ = new QPushButton(QStringLiteral("&Edit..."));
    delete_ = new QPushButton(QStringLiteral("&Delete"));
    set_ = new QPushButton(QStringLiteral("&Set"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* help = new QPushButton(QStringLiteral("&Help"));
    for (QPushButton* b : {add_, edit_, delete_, set_, cancel, help}) b->setAutoDefault(false);
    ok->setDefault(true);

    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {add_, edit_, delete_, set_}) listButtons->addWidget(b);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addLayout(listButtons);
    auto* right = new QVBoxLayout;
    right->addWidget(details_);
    right->addWidget(current_);
    right->addStretch(1);
    auto* dialogButtons = new QHBoxLayout;
    dialogButtons->addStretch(1);
    for (QPushButton* b : {ok, cancel, help}) dialogButtons->addWidget(b);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(dialogButtons);

    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        ShowSelected();
        UpdateButtons();
    });
    connect(add_, &QPushButton::clicked, this, &TChooseLocation::AddClick);
    connect(edit_, &QPushButton::clicked, this, &TChooseLocation::EditClick);
    connect(delete_, &QPushButton::clicked, this, &TChooseLocation::DeleteClick);
    connect(set_, &QPushButton::clicked, this, &TChooseLocation::SetClick);
    connect(dst_, &QCheckBox::clicked, this,
            [this](bool ticked) { chooser_->ClickDaylightSaving(ticked); });
    connect(ok, &QPushButton::clicked, this, &TChooseLocation::OkClick);
    connect(cancel, &QPushButton::clicked, this, &TChooseLocation::reject);
    connect(help, &QPushButton::clicked, this, [] { OpenHelp(QStringLiteral("ChooseLocation")); });

    if (std::optional<std::vector<NamedLocation>> places = LoadLocations(LocationsPath()))
        chooser_->SetList(LocationList(std::move(*places)));
    FillList();
    ShowCurrent();
    dst_->setChecked(chooser_->daylightSavingTicked());
    UpdateButtons();
}

TChooseLocation::~TChooseLocation() = default;

void TChooseLocation::FillList() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const NamedLocation& place : chooser_->list().places()) list_->addItem(place.name);
    list_->setCurrentRow(-1);
    ShowSelected();
}

int TChooseLocation::SelectedRow() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= chooser_->list().size() || list_->selectedItems().isEmpty()) return -1;
    return row;
}

void TChooseLocation::Select(int row) {
    list_->setCurrentRow(row);
    if (row >= 0) list_->scrollToItem(list_->item(row));
    ShowSelected();
    UpdateButtons();
}

void TChooseLocation::ShowSelected() {
    const int row = SelectedRow();
    if (row < 0) {
        details_->setTitle(QString());
        for (QLabel* label : detailLabels_) label->clear();
        return;
    }
    const NamedLocation& place = chooser_->list().at(row);
    details_->setTitle(place.name);
    ShowPlace(detailLabels_, place.entry.latitude, place.entry.longitude, place.entry.timeZone,
              place.entry.zoneName);
}

void TChooseLocation::ShowCurrent() {
    const CurrentLocation& c = chooser_->current();
    current_->setTitle(chooser_->CurrentCaption());
    ShowPlace(currentLabels_, c.latitude, c.longitude, c.timeZone,
              c.HasZone() ? c.zoneName : QString());
}

void TChooseLocation::UpdateButtons() {
    const bool selected = SelectedRow() >= 0;
    edit_->setEnabled(selected);
    delete_->setEnabled(selected);
    set_->setEnabled(selected);
    if (!selected) ShowSelected();
}

bool TChooseLocation::RunEntryDialog(LocationEntry& entry, QString& name) {
    TAddEditLocation dialog(chooser_->list(), name, entry, this);
    connect(&dialog, &TAddEditLocation::nameClash, this, [this](int row) { Select(row); });
    if (dialog.exec() != QDialog::Accepted) return false;
    entry = dialog.entry();
    name = dialog.LocationName();
    return true;
}

void TChooseLocation::AddClick() {
    LocationEntry entry;  // a new one
    QString name;
    if (RunEntryDialog(entry, name)) {
        const int row = chooser_->Add(name, entry);
        FillList();
        Select(row);
    }
    UpdateButtons();
}

void TChooseLocation::EditClick() {
    const int row = SelectedRow();
    if (row < 0) return;
    LocationEntry entry = chooser_->list().at(row).entry;
    QString name = chooser_->list().at(row).name;
    if (!RunEntryDialog(entry, name)) return;
    const int moved = chooser_->Edit(row, name, entry);
    FillList();
    Select(moved);
}

void TChooseLocation::DeleteClick() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (AskYesNo(QStringLiteral("Are you sure you want to delete this location?"),
                 QStringLiteral("Delete"))) {
        chooser_->Delete(row);
        FillList();
    }
    UpdateButtons();
}

void TChooseLocation::SetClick() {
    const int row = SelectedRow();
    if (row < 0) return;
    chooser_->Set(row);
    ShowCurrent();
    dst_->setChecked(chooser_->daylightSavingTicked());
}

void TChooseLocation::OkClick() {
    // A failed save has said so; the dialog still closes.
    if (chooser_->listModified() && SaveLocations(UserLocationsPath(), chooser_->list().places()))
        chooser_->MarkSaved();
    if (chooser_->currentChanged()) {
        const CurrentLocation applied = chooser_->Applied();
        SetCurrentLocation(sim_, applied, &settings_);
        emit locationApplied(applied.latitude);
    }
    accept();
}

void TChooseLocation::reject() {
    if (chooser_->listModified() &&
        AskYesNo(QStringLiteral("Do you to save the changes you made to the location list?"),
                 QStringLiteral("Cancel")) &&
        SaveLocations(UserLocationsPath(), chooser_->list().places()))
        chooser_->MarkSaved();
    QDialog::reject();
}

void TChooseLocation::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("ChooseLocation"));
        return;
    }
    QDialog::keyPressEvent(event);
}
