#pragma once

#include <QDialog>
#include <array>

#include "diagnostics/SystemInformation.h"

class QListWidget;
class QTabWidget;

// The System Information dialog: four pages of two-column lines (memory, the operating
// system, the display and OpenGL, the program's counters), collected once, and a button
// that saves them all as a text dump.
class TSystemInformation : public QDialog {
    Q_OBJECT
  public:
    enum Page { MemoryPage, OsPage, DisplayPage, ProgramPage };

    explicit TSystemInformation(sysinfo::Dump dump, QWidget* parent = nullptr);

    void showPage(Page page);
    // Asks for a file and writes the dump there; a file that cannot be written is reported.
    void SaveLogClick();
    // Writes the dump to this file, or reports that it could not.
    bool SaveLogTo(const QString& path);

    QTabWidget* tabs() const { return tabs_; }
    QListWidget* list(Page page) const { return lists_[std::size_t(page)]; }
    const sysinfo::Dump& dump() const { return dump_; }

  signals:
    void helpRequested(const QString& topic);

  protected:
    // The save-file dialog; empty when cancelled.
    virtual QString ChooseSaveFile();
    void keyReleaseEvent(QKeyEvent* event) override;
    // F1 released anywhere in the dialog opens its help.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    sysinfo::Dump dump_;
    QTabWidget* tabs_ = nullptr;
    std::array<QListWidget*, 4> lists_{};
};
