#pragma once

#include <QDialog>

#include "diagnostics/DisplayOptions.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;
class QVBoxLayout;
class SettingsStore;

// The Options dialog: the 3D driver and texture switches, what the simulation loads, the
// background light and the folders of the encyclopedia and the saved positions. OK stores
// every choice and applies those that can act at once; Cancel changes nothing.
class TDisplaySettings : public QDialog {
    Q_OBJECT
  public:
    enum Page { DisplayPage, SimulationPage, EffectsPage, DirectoriesPage };

    TDisplaySettings(SettingsStore& settings, options::ProgramState state,
                     options::ProgramHooks hooks, QWidget* parent = nullptr);

    // What the controls say now.
    options::DisplayOptions values() const;
    void showPage(Page page);

    void OKClick();
    void BrowseEncycClick();
    void BrowseLocsClick();

    QTabWidget* tabs() const { return tabs_; }
    QListWidget* deviceList() const { return deviceList_; }
    QCheckBox* useMipmaps() const { return useMipmaps_; }
    QCheckBox* useOurTextureLoader() const { return useOurTextureLoader_; }
    QCheckBox* starsCompatMode() const { return starsCompatMode_; }
    QCheckBox* skyHorizon() const { return skyHorizon_; }
    QCheckBox* muteNarrator() const { return muteNarrator_; }
    QCheckBox* showSmallMoons() const { return showSmallMoons_; }
    QCheckBox* precise() const { return precise_; }
    QListWidget* initialBodyList() const { return initialBodyList_; }
    QSlider* memoryUsageBar() const { return memoryUsageBar_; }
    QSlider* limitingMagBar() const { return limitingMagBar_; }
    QSlider* backgroundLight() const { return backgroundLight_; }
    QLineEdit* encycDir() const { return encycDir_; }
    QLineEdit* storedLocs() const { return storedLocs_; }

  signals:
    void helpRequested(const QString& topic);

  protected:
    // The directory chooser, starting in this folder; empty when cancelled.
    virtual QString ChooseDirectory(const QString& start);
    void keyReleaseEvent(QKeyEvent* event) override;
    // F1 released anywhere in the dialog opens its help.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildDisplayPage();
    QWidget* BuildSimulationPage();
    QWidget* BuildEffectsPage();
    QWidget* BuildDirectoriesPage();
    void Fill(const options::DisplayOptions& o);

    SettingsStore& store_;
    options::ProgramState state_;
    options::ProgramHooks hooks_;
    QTabWidget* tabs_ = nullptr;
    QListWidget* deviceList_ = nullptr;
    QCheckBox* useMipmaps_ = nullptr;
    QCheckBox* useOurTextureLoader_ = nullptr;
    QCheckBox* starsCompatMode_ = nullptr;
    QCheckBox* skyHorizon_ = nullptr;
    QCheckBox* muteNarrator_ = nullptr;
    QCheckBox* showSmallMoons_ = nullptr;
    QCheckBox* precise_ = nullptr;
    QListWidget* initialBodyList_ = nullptr;
    QSlider* memoryUsageBar_ = nullptr;
    QSlider* limitingMagBar_ = nullptr;
    QSlider* backgroundLight_ = nullptr;
    QLineEdit* encycDir_ = nullptr;
    QLineEdit* storedLocs_ = nullptr;
    QPushButton* browseEncyc_ = nullptr;
    QPushButton* browseLocs_ = nullptr;
};
