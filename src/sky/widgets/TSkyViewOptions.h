#pragma once

#include <QDialog>

#include "sky/SkyViewSettings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class SettingsStore;

namespace sky {

// "Sky View Options": the sky view's settings on five tabs, all written back on OK; Cancel
// (or Esc) writes nothing. Its location and date buttons act at once, whatever the result.
class TSkyViewOptions : public QDialog {
    Q_OBJECT
  public:
    // loadLimit is the faintest magnitude the star catalogue was loaded to.
    TSkyViewOptions(SettingsStore& settings, float loadLimit, QWidget* parent = nullptr);

    // Every key from its control.
    void WriteSettings();
    // The settings the controls show.
    SkyViewSettings shownSettings() const;

    QTabWidget* tabs() const { return tabs_; }
    QLabel* displayText() const { return displayText_; }

  signals:
    void setLocationRequested();
    void setDateTimeRequested();
    // F1: this dialog's help page.
    void helpRequested(const QString& topic);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* BuildStarsTab(float loadLimit);
    QWidget* BuildConstellationsTab();
    QWidget* BuildSolarSystemTab();
    QWidget* BuildWhereWhenTab();
    QWidget* BuildMiscTab();
    void ShowMagnitudes();

    SettingsStore& store_;
    QTabWidget* tabs_ = nullptr;
    QCheckBox* showStarNames_ = nullptr;
    QCheckBox* showGreek_ = nullptr;
    QCheckBox* showFlamsteed_ = nullptr;
    QSlider* faintestName_ = nullptr;
    QLabel* faintestNameLabel_ = nullptr;
    QSlider* faintestBar_ = nullptr;
    QLabel* faintestLabel_ = nullptr;
    QLabel* displayText_ = nullptr;
    QCheckBox* drawConstellations_ = nullptr;
    QCheckBox* drawBoundaries_ = nullptr;
    QCheckBox* showConstellationNames_ = nullptr;
    QCheckBox* showPlanets_ = nullptr;
    QCheckBox* showEcliptic_ = nullptr;
    QCheckBox* allowMouseLook_ = nullptr;
    QCheckBox* drawHorizon_ = nullptr;
};

}  // namespace sky
