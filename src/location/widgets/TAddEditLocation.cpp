#include "location/widgets/TAddEditLocation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/Services.h"
#include "location/LocationFormat.h"
#include "location/LocationList.h"

namespace {

// Letters become capitals as they are typed (32.71n reads 32.71N).
void CapitaliseAsTyped(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text) return;
        const int cursor = box->cursorPosition();
        box->setText(upper);
        box->setCursorPosition(cursor);
    });
}

void OpenHelp(const QString& topic) {
    if (Services::instance().showHelpTopic) Services::instance().showHelpTopic(topic);
}

}  // namespace

TAddEditLocation::TAddEditLocation(const LocationList& list, const QString& selectedName,
                                   const LocationEntry& entry, QWidget* parent)
    : QDialog(parent),
      list_(list),
      selectedName_(selectedName),
      entry_(entry),
      editing_(!entry.isNew()) {
    setWindowTitle(editing_ ? QStringLiteral("Edit Location") : QStringLiteral("Add New Location"));
    name_ = new QLineEdit;
    latitude_ = new QLineEdit;
    longitude_ = new QLineEdit;
    CapitaliseAsTyped(latitude_);
    CapitaliseAsTyped(longitude_);
    timeZones_ = new QListWidget;
    timeZones_->addItems(LocationForm::TimeZoneItems());
    timeZones_->setMinimumWidth(timeZones_->sizeHintForColumn(0) + 30);
    note_ = new QLabel;
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    note_->setMinimumHeight(110);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), name_);
    fields->addRow(QStringLiteral("L&atitude:"), latitude_);
    fields->addRow(QStringLiteral("L&ongitude:"), longitude_);
    fields->addRow(QStringLiteral("&Time zone:"), timeZones_);
    auto* noteBox = new QGroupBox(QStringLiteral("Note:"));
    auto* noteLayout = new QVBoxLayout(noteBox);
    noteLayout->addWidget(note_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    // Enter moves from box to box rather than pressing a button.
    for (QPushButton* b : {ok, cancel, help}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, &TAddEditLocation::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { OpenHelp(QStringLiteral("EditLocation")); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(noteBox);
    layout->addWidget(buttons);

    connect(name_, &QLineEdit::returnPressed, this, [this] { latitude_->setFocus(); });
    connect(latitude_, &QLineEdit::returnPressed, this, [this] { longitude_->setFocus(); });
    connect(longitude_, &QLineEdit::returnPressed, this, &TAddEditLocation::LongitudeEntered);
    for (QWidget* w : {static_cast<QWidget*>(name_), static_cast<QWidget*>(latitude_),
                       static_cast<QWidget*>(longitude_), static_cast<QWidget*>(timeZones_)})
        w->installEventFilter(this);

    if (editing_) {
        name_->setText(selectedName_);
        latitude_->setText(LatitudeLabel(entry_.latitude));
        longitude_->setText(LongitudeLabel(entry_.longitude));
        timeZones_->setCurrentRow(LocationForm::ItemOfHalfHours(entry_.timeZone));
        if (QListWidgetItem* item = timeZones_->currentItem()) timeZones_->scrollToItem(item);
    } else {
        timeZones_->setCurrentRow(-1);
    }
    if (timeZones_->currentRow() < 0) timeZones_->clearSelection();
    name_->setFocus();
    note_->setText(LocationForm::Note(LocationForm::Field::Name));
}

QString TAddEditLocation::LocationName() const {
    return name_->text();
}

QWidget* TAddEditLocation::FieldWidget(LocationForm::Field field) const {
    switch (field) {
        case LocationForm::Field::Name:
            return name_;
        case LocationForm::Field::Latitude:
            return latitude_;
        case LocationForm::Field::Longitude:
            return longitude_;
        case LocationForm::Field::TimeZone:
            return timeZones_;
    }
    return name_;
}

void TAddEditLocation::LongitudeEntered() {
    if (timeZones_->currentRow() < 0 || timeZones_->selectedItems().isEmpty()) {
        const int item = LocationForm::SuggestedItem(longitude_->text());
        if (item >= 0) timeZones_->setCurrentRow(item);
    }
    timeZones_->setFocus();
}

void TAddEditLocation::OkClick() {
    LocationForm form;
    form.name = name_->text();
    form.latitude = latitude_->text();
    form.longitude = longitude_->text();
    form.zoneItem = timeZones_->selectedItems().isEmpty() ? -1 : timeZones_->currentRow();
    const LocationForm::Outcome outcome = form.Check(list_, editing_, selectedName_, entry_);
    name_->setText(form.name);
    latitude_->setText(form.latitude);
    longitude_->setText(form.longitude);
    if (!outcome.ok) {
        if (outcome.clashRow >= 0) emit nameClash(outcome.clashRow);
        ShowError(outcome.message, outcome.caption);
        FieldWidget(outcome.field)->setFocus();
        return;
    }
    entry_ = outcome.entry;
    accept();
}

bool TAddEditLocation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == name_) note_->setText(LocationForm::Note(LocationForm::Field::Name));
        if (watched == latitude_) note_->setText(LocationForm::Note(LocationForm::Field::Latitude));
        if (watched == longitude_)
            note_->setText(LocationForm::Note(LocationForm::Field::Longitude));
        if (watched == timeZones_)
            note_->setText(LocationForm::Note(LocationForm::Field::TimeZone));
    }
    if (watched == timeZones_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OkClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAddEditLocation::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("EditLocation"));
        return;
    }
    QDialog::keyPressEvent(event);
}
