#pragma once

#include <QObject>
#include <QPoint>

#include "tours/TourScript.h"

// The character that tells a tour: it stands at screen points, plays its animations,
// gestures and says lines. Every request that takes time returns a request number and ends
// with requestCompleted(number); the tour waits for those.
class Narrator : public QObject {
    Q_OBJECT
  public:
    enum class StartResult { Started, CannotStart, NoCharacter };

    using QObject::QObject;
    ~Narrator() override = default;

    // Shows the character; does nothing and succeeds when it is already shown.
    virtual StartResult Start() = 0;
    // Takes the character away and drops whatever it was doing.
    virtual void Shutdown() = 0;
    virtual bool started() const = 0;
    // At once, no request.
    virtual void PlaceAt(QPoint screen) = 0;
    virtual int Play(TourAnimation animation) = 0;
    virtual int GestureAt(QPoint screen) = 0;
    // `tagged` carries the speech tags a tour file may use (see SpeechText).
    virtual int Speak(const QString& tagged) = 0;

  signals:
    void requestCompleted(int id);
};
