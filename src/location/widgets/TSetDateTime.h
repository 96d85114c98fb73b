#pragma once

#include <QDialog>

#include "location/DateEntry.h"

class QComboBox;
class QLabel;
class Simulation;

// "Set Date and Time": a local date and a time to five minutes for the simulation clock.
class TSetDateTime : public QDialog {
    Q_OBJECT
  public:
    explicit TSetDateTime(Simulation& sim, QWidget* parent = nullptr);

    // Checks the date; when it is one the calendar has, sets the clock and closes with OK.
    void OkayClick();

    const DateEntry& dateEntry() const { return entry_; }
    QComboBox* day() const { return day_; }
    QComboBox* month() const { return month_; }
    QComboBox* year() const { return year_; }
    QComboBox* hour() const { return hour_; }
    QComboBox* minute() const { return minute_; }
    QLabel* tipLabel() const { return tip_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Simulation& sim_;
    DateEntry entry_;
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* year_ = nullptr;
    QComboBox* hour_ = nullptr;
    QComboBox* minute_ = nullptr;
    QLabel* tip_ = nullptr;
};
