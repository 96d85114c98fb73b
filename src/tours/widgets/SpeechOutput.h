#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

class QTextToSpeech;

// The narrator's voice, when there is one to hear. An engine is used only when a sound device
// or sound server exists and the engine reports no error; one that never starts or never
// finishes a line is dropped, so the narrator cannot hang on the speech service. Without a
// voice the narrator still shows its balloon.
class SpeechOutput : public QObject {
    Q_OBJECT
  public:
    // A line that is not over after this long is cut off and the engine no longer trusted.
    static constexpr int kWatchdogMs = 20000;
    // An engine that has not started speaking this long after being asked is not answering.
    static constexpr int kStartMs = 3000;

    explicit SpeechOutput(QObject* parent = nullptr);
    ~SpeechOutput() override;

    // True when a line can be heard now (creates the engine the first time).
    bool Available();
    // False when the line cannot be heard; otherwise finished() follows.
    bool Say(const QString& text);
    void Stop();
    QString engineName() const { return engineName_; }

    // A sound card or a sound server this user can reach.
    static bool SoundOutputPresent();

  signals:
    // The line is over: heard to its end (true), or cut off by an error or the watchdog.
    void finished(bool heard);

  private:
    void Failed();
    void StateChanged(int state);

    std::unique_ptr<QTextToSpeech> engine_;
    QString engineName_;
    bool tried_ = false;
    bool broken_ = false;
    bool saying_ = false;
    bool begun_ = false;
    QTimer watchdog_;
    QTimer startCheck_;
};
