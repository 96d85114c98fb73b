#pragma once

#include <QString>

// What the viewer windows ask of the main window.
class ViewerHost {
  public:
    virtual ~ViewerHost() = default;
    // The shared function keys: Esc, F7, F8, F9. True when the key was acted on.
    virtual bool FunctionKey(int key) = 0;
    virtual void OpenHelpTopic(const QString& topic) = 0;
    virtual void CheckWindowItem(const QString& window, bool on) = 0;
    virtual void SetStatusText(int panel, const QString& text) = 0;
};
