#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "location/LocationChooser.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class SettingsStore;
class Simulation;

// "Choose Location": the list of places, adding, editing and deleting them, and choosing the
// observer's current location. The list is read when the dialog opens (the user's copy, else
// the shipped list) and saved to the user's copy on OK or when Cancel's question says so.
class TChooseLocation : public QDialog {
    Q_OBJECT
  public:
    TChooseLocation(Simulation& sim, SettingsStore& settings, QWidget* parent = nullptr);
    ~TChooseLocation() override;

    const LocationChooser& chooser() const { return *chooser_; }
    QListWidget* list() const { return list_; }
    QGroupBox* detailsBox() const { return details_; }
    QGroupBox* currentBox() const { return current_; }
    QCheckBox* daylightSavingBox() const { return dst_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* setButton() const { return set_; }
    // The latitude, longitude, time-zone and rules labels of each box.
    const std::array<QLabel*, 4>& detailLabels() const { return detailLabels_; }
    const std::array<QLabel*, 4>& currentLabels() const { return currentLabels_; }

    void AddClick();
    void EditClick();
    void DeleteClick();
    void SetClick();
    void OkClick();
    void reject() override;  // Cancel and Esc

  signals:
    // A location was applied to the clock and the settings. The sky view turns off mouse-look
    // and faces south for a latitude above 0, north otherwise.
    void locationApplied(double latitude);

  protected:
    // Opens the add or edit dialog on entry and name; true on OK. Tests answer it themselves.
    virtual bool RunEntryDialog(LocationEntry& entry, QString& name);
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FillList();
    void ShowSelected();
    void ShowCurrent();
    void UpdateButtons();
    void Select(int row);
    int SelectedRow() const;

    Simulation& sim_;
    SettingsStore& settings_;
    std::unique_ptr<LocationChooser> chooser_;
    QListWidget* list_ = nullptr;
    QGroupBox* details_ = nullptr;
    QGroupBox* current_ = nullptr;
    QCheckBox* dst_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* set_ = nullptr;
    std::array<QLabel*, 4> detailLabels_{};
    std::array<QLabel*, 4> currentLabels_{};
};
