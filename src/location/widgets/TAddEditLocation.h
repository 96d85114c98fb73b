#pragma once

#include <QDialog>

#include "location/LocationEntry.h"
#include "location/LocationForm.h"

class QLabel;
class QLineEdit;
class QListWidget;
class LocationList;

// "Add New Location" / "Edit Location": a place's name, latitude, longitude and time zone,
// checked on OK. An entry whose time zone is LocationEntry::kNewEntry is added; any other is
// edited, and the list's selected name is its own.
class TAddEditLocation : public QDialog {
    Q_OBJECT
  public:
    TAddEditLocation(const LocationList& list, const QString& selectedName,
                     const LocationEntry& entry, QWidget* parent = nullptr);

    // After OK: the name typed and the entry with the new values.
    QString LocationName() const;
    const LocationEntry& entry() const { return entry_; }

    // Runs the checks of OK; closes with OK when they pass.
    void OkClick();

    QLineEdit* nameBox() const { return name_; }
    QLineEdit* latitudeBox() const { return latitude_; }
    QLineEdit* longitudeBox() const { return longitude_; }
    QListWidget* timeZoneList() const { return timeZones_; }
    QLabel* fieldNote() const { return note_; }

  signals:
    // The name check found another place of the list with the typed name.
    void nameClash(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void LongitudeEntered();
    QWidget* FieldWidget(LocationForm::Field field) const;

    const LocationList& list_;
    QString selectedName_;
    LocationEntry entry_;
    bool editing_;
    QLineEdit* name_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QListWidget* timeZones_ = nullptr;
    QLabel* note_ = nullptr;
};
