#include "diagnostics/widgets/TAboutOE.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>

#include "core/Files.h"
#include "diagnostics/MemoryStatus.h"

QImage AboutPicture() {
    QImage img(128, 272, QImage::Format_RGB32);
    img.fill(QColor(5, 5, 20));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator stars(1980);  // the same sky every time
    for (int i = 0; i < 160; ++i) {
        const int b = 90 + int(stars.bounded(165));
        p.setPen(QColor(b, b, b));
        p.drawPoint(int(stars.bounded(128)), int(stars.bounded(272)));
    }
    const QPointF sun(64, 200);
    p.setPen(QPen(QColor(70, 70, 110), 1));
    p.setBrush(Qt::NoBrush);
    for (int r : {18, 28, 40, 56, 90}) p.drawEllipse(sun, r, r * 0.35);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(sun, 16);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(1, QColor(255, 160, 0, 0));
    p.setBrush(glow);
    p.drawEllipse(sun, 16, 16);
    const struct {
        int r;
        double a;
        QColor c;
        int size;
    } planets[] = {{18, 0.5, QColor(150, 138, 127), 2},
                   {28, 2.4, QColor(230, 213, 168), 3},
                   {40, 4.0, QColor(70, 110, 220), 3},
                   {56, 5.5, QColor(193, 94, 58), 3},
                   {90, 1.2, QColor(216, 202, 157), 6}};
    for (const auto& pl : planets) {
        p.setBrush(pl.c);
        p.drawEllipse(
            QPointF(sun.x() + pl.r * std::cos(pl.a), sun.y() + pl.r * 0.35 * std::sin(pl.a)),
            pl.size, pl.size);
    }
    p.setPen(QColor(200, 200, 230));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(20);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRect(0, 30, 128, 30), Qt::AlignCenter, QStringLiteral("Orbivale"));
    return img;
}

TAboutOE::TAboutOE(bool startup, QWidget* parent) : QDialog(parent), startup_(startup) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    auto* grid = new QGridLayout(this);
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap::fromImage(AboutPicture()));
    grid->addWidget(picture, 0, 0, 7, 1, Qt::AlignTop);
    auto* title = new QLabel(QStringLiteral("Orbivale"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    title->setFont(big);
    grid->addWidget(title, 0, 1, 1, 2);
    version_ = new QLabel(QStringLiteral("Version:") + FileVersionText());
    grid->addWidget(version_, 1, 1, 1, 2);
    const MemoryStatus memory = ReadMemoryStatus();
    grid->addWidget(new QLabel(QStringLiteral("Physical Memory: ")), 2, 1);
    grid->addWidget(new QLabel(MegabytesText(memory.total)), 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Free Memory: ")), 3, 1);
    grid->addWidget(new QLabel(MegabytesText(memory.available)), 3, 2);
    okay_ = new QPushButton(QStringLiteral("OK"));
    okay_->setDefault(true);
    connect(okay_, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(okay_, 4, 2, Qt::AlignRight);
    auto* logLabel = new QLabel(QStringLiteral("Startup Log:"));
    actions_ = new QListWidget;
    grid->addWidget(logLabel, 5, 1, 1, 2);
    grid->addWidget(actions_, 6, 1, 1, 2);
    if (startup_) {
        okay_->hide();
        Services::instance().setLogSink(LogSinkSlot::Splash, this);
    } else {
        // The start-up log lies below the box's lower edge: the box ends under "OK".
        logLabel->hide();
        actions_->hide();
        actions_->setEnabled(false);
    }
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TAboutOE::~TAboutOE() {
    if (Services::instance().logSink(LogSinkSlot::Splash) == this)
        Services::instance().setLogSink(LogSinkSlot::Splash, nullptr);
}

void TAboutOE::logLine(const QString& line) {
    actions_->insertItem(0, line);
    actions_->repaint();
    if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TAboutOE::versionText() const {
    return version_->text();
}

void TAboutOE::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) ShowEncyclopediaTopic(QStringLiteral("Acknowledgements"));
    QDialog::keyReleaseEvent(e);
}
