#include "tours/widgets/SpeechOutput.h"

#include <QDir>
#include <QFileInfo>

#include "core/Log.h"

#ifdef ORBIVALE_HAVE_SPEECH
#include <QTextToSpeech>
#endif

SpeechOutput::SpeechOutput(QObject* parent) : QObject(parent) {
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(kWatchdogMs);
    startCheck_.setSingleShot(true);
    startCheck_.setInterval(kStartMs);
    connect(&watchdog_, &QTimer::timeout, this, [this] {
        LogToFile("Narrator: the speech engine did not finish a line in %d s; voice off",
                  kWatchdogMs / 1000);
        Failed();
    });
    connect(&startCheck_, &QTimer::timeout, this, [this] {
        if (!begun_) {
            LogToFile("Narrator: the speech engine did not start speaking; voice off");
            Failed();
        }
    });
}

SpeechOutput::~SpeechOutput() {
    Stop();
}

bool SpeechOutput::SoundOutputPresent() {
    const QStringList cards =
        QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*p")}, QDir::System);
    if (!cards.isEmpty()) return true;
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) return false;
    return QFileInfo::exists(runtime + QStringLiteral("/pulse/native")) ||
           QFileInfo::exists(runtime + QStringLiteral("/pipewire-0"));
}

bool SpeechOutput::Available() {
#ifdef ORBIVALE_HAVE_SPEECH
    if (broken_) return false;
    if (!tried_) {
        tried_ = true;
        if (!SoundOutputPresent()) {
            broken_ = true;
            Log("Narrator: no sound output, the narrator's lines are shown only");
            return false;
        }
        const QStringList engines = QTextToSpeech::availableEngines();
        // flite speaks in this process and fails at once without sound; a speech daemon can
        // block when its sound output is wedged, so it is only the second choice.
        QString name;
        if (engines.contains(QStringLiteral("flite")))
            name = QStringLiteral("flite");
        else if (!engines.isEmpty())
            name = engines.first();
        if (name.isEmpty()) {
            broken_ = true;
            Log("Narrator: no speech engine, the narrator's lines are shown only");
            return false;
        }
        engine_ = std::make_unique<QTextToSpeech>(name);
        if (engine_->state() == QTextToSpeech::Error) {
            broken_ = true;
            engine_.reset();
            Log("Narrator: the speech engine '%s' does not work, the lines are shown only",
                qUtf8Printable(name));
            return false;
        }
        engineName_ = name;
        connect(engine_.get(), &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State s) { StateChanged(int(s)); });
    }
    return engine_ != nullptr;
#else
    return false;
#endif
}

bool SpeechOutput::Say(const QString& text) {
#ifdef ORBIVALE_HAVE_SPEECH
    if (!Available()) return false;
    saying_ = true;
    begun_ = false;
    watchdog_.start();
    startCheck_.start();
    engine_->say(text);
    if (engine_ && engine_->state() == QTextToSpeech::Error) {
        Failed();
        return false;
    }
    return saying_;
#else
    Q_UNUSED(text);
    return false;
#endif
}

void SpeechOutput::StateChanged(int state) {
#ifdef ORBIVALE_HAVE_SPEECH
    if (!saying_) return;
    switch (QTextToSpeech::State(state)) {
        case QTextToSpeech::Speaking:
            begun_ = true;
            break;
        case QTextToSpeech::Ready:
            if (begun_) {
                saying_ = false;
                watchdog_.stop();
                startCheck_.stop();
                emit finished(true);
            }
            break;
        case QTextToSpeech::Error:
            Failed();
            break;
        default:
            break;
    }
#else
    Q_UNUSED(state);
#endif
}

void SpeechOutput::Failed() {
    broken_ = true;
    watchdog_.stop();
    startCheck_.stop();
#ifdef ORBIVALE_HAVE_SPEECH
    // The engine is dropped later: this may run inside one of its own signals.
    if (engine_) {
        disconnect(engine_.get(), nullptr, this, nullptr);
        engine_.release()->deleteLater();
    }
#endif
    if (saying_) {
        saying_ = false;
        emit finished(false);
    }
}

void SpeechOutput::Stop() {
    watchdog_.stop();
    startCheck_.stop();
    saying_ = false;
#ifdef ORBIVALE_HAVE_SPEECH
    if (engine_ && engine_->state() == QTextToSpeech::Speaking) engine_->stop();
#endif
}
