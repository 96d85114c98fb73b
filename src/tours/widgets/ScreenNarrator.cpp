#include "tours/widgets/ScreenNarrator.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "tours/widgets/NarratorWindow.h"
#include "tours/widgets/SpeechBalloon.h"
#include "tours/widgets/SpeechOutput.h"

ScreenNarrator::ScreenNarrator(SettingsStore& settings, QObject* parent)
    : Narrator(parent), settings_(settings), voice_(std::make_unique<SpeechOutput>()) {
    balloonLinger_.setSingleShot(true);
    connect(&balloonLinger_, &QTimer::timeout, this, [this] {
        if (balloon_) balloon_->hide();
    });
    connect(voice_.get(), &SpeechOutput::finished, this, [this](bool heard) {
        if (speaking_ < 0) return;
        lastHeard_ = heard;
        if (heard) return LineOver(speaking_);
        // Cut off: the rest of the line is read from the balloon.
        const int left = std::max(0, line_.ReadingTimeMs() - int(lineClock_.elapsed()));
        CompleteAfter(speaking_, left, [this, id = speaking_] { LineOver(id); });
    });
}

ScreenNarrator::~ScreenNarrator() {
    Shutdown();
}

int ScreenNarrator::Paced(int ms) const {
    return std::max(0, int(ms * pace_));
}

QRect ScreenNarrator::ScreenAround(QPoint p) const {
    QScreen* screen = QGuiApplication::screenAt(p);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

Narrator::StartResult ScreenNarrator::Start() {
    if (started_) return StartResult::Started;
    if (!QGuiApplication::primaryScreen()) return StartResult::CannotStart;
    if (NarratorFigure::Draw(NarratorPose{}).isNull()) return StartResult::NoCharacter;
    if (!window_) window_ = std::make_unique<NarratorWindow>();
    if (!balloon_) balloon_ = std::make_unique<SpeechBalloon>();
    const QRect screen = ScreenAround(QPoint());
    window_->move(screen.center() - window_->rect().center());
    window_->SetPose(NarratorPose::Kind::Idle);
    window_->show();
    window_->raise();
    started_ = true;
    return StartResult::Started;
}

void ScreenNarrator::Shutdown() {
    ++generation_;
    speaking_ = -1;
    voice_->Stop();
    balloonLinger_.stop();
    if (balloon_) balloon_->hide();
    if (window_) window_->hide();
    started_ = false;
}

void ScreenNarrator::PlaceAt(QPoint screen) {
    if (!started_) return;
    // Its top-left goes to the point, as far as the screen allows.
    const QRect area = ScreenAround(screen);
    const QSize size = window_->size();
    const int x =
        std::clamp(screen.x(), area.left(), std::max(area.left(), area.right() - size.width()));
    const int y =
        std::clamp(screen.y(), area.top(), std::max(area.top(), area.bottom() - size.height()));
    window_->move(x, y);
    window_->raise();
    if (balloon_->isVisible())
        balloon_->ShowText(line_.shown, line_.emphasis, window_->geometry(), ScreenAround(screen));
}

void ScreenNarrator::CompleteAfter(int id, int ms, std::function<void()> also) {
    const int generation = generation_;
    QTimer::singleShot(Paced(ms), this, [this, id, generation, also] {
        if (generation != generation_) return;
        if (also) also();
        emit requestCompleted(id);
    });
}

int ScreenNarrator::Play(TourAnimation animation) {
    const int id = ++nextId_;
    if (!started_) {
        CompleteAfter(id, 0);
        return id;
    }
    if (animation == TourAnimation::Hiding) {
        balloon_->hide();
        window_->Hide(Paced(kHidingMs));
        CompleteAfter(id, kHidingMs);
    } else {
        window_->SetPose(NarratorPose::Kind::GestureRight);
        CompleteAfter(id, kGestureMs);
    }
    return id;
}

int ScreenNarrator::GestureAt(QPoint screen) {
    const int id = ++nextId_;
    if (started_) window_->SetPose(NarratorPose::Kind::GestureAt, QPointF(screen - window_->pos()));
    CompleteAfter(id, kGestureMs);
    return id;
}

int ScreenNarrator::Speak(const QString& tagged) {
    const int id = ++nextId_;
    if (!started_) {
        CompleteAfter(id, 0);
        return id;
    }
    const auto parsed = SpeechText::Parse(tagged);
    line_ = parsed ? *parsed : SpeechText{tagged, tagged, {}};
    balloonLinger_.stop();
    if (!window_->isVisible()) {
        window_->SetPose(NarratorPose::Kind::Idle);
        window_->show();
    }
    balloon_->ShowText(line_.shown, line_.emphasis, window_->geometry(),
                       ScreenAround(window_->geometry().center()));
    speaking_ = id;
    lastHeard_ = false;
    lineClock_.start();
    const bool muted = settings_.get(settings::MuteNarrator);
    // Fast tours (tests) are never spoken aloud.
    if (muted || silent_ || pace_ < 1.0 || !voice_->Say(line_.spoken))
        CompleteAfter(id, line_.ReadingTimeMs(), [this, id] { LineOver(id); });
    return id;
}

void ScreenNarrator::LineOver(int id) {
    if (id != speaking_) return;
    speaking_ = -1;
    // A gesture lasts while its line is said.
    if (window_ && (window_->pose() == NarratorPose::Kind::GestureRight ||
                    window_->pose() == NarratorPose::Kind::GestureAt))
        window_->SetPose(NarratorPose::Kind::Idle);
    balloonLinger_.start(Paced(kBalloonLingerMs));
    if (lastHeard_) emit requestCompleted(id);
}
