#include "location/widgets/TSetDateTime.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Simulation.h"

namespace {

const QString kTip = QStringLiteral(
    "Remember this is the date and time of the current locality. The current locality is ");

QComboBox* List(const QStringList& items) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setMaxVisibleItems(12);
    return box;
}

// A caption above its list, with the caption's shortcut moving to the list.
QWidget* Captioned(const QString& caption, QComboBox* list) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    label->setBuddy(list);
    v->addWidget(label);
    v->addWidget(list);
    return w;
}

}  // namespace

TSetDateTime::TSetDateTime(Simulation& sim, QWidget* parent)
    : QDialog(parent),
      sim_(sim),
      entry_(ToCalendarRecord(sim.LocalNow()).year, QDate::currentDate().year()) {
    setWindowTitle(QStringLiteral("Set Date and Time"));
    day_ = List(DateEntry::DayItems());
    month_ = List(DateEntry::MonthItems());
    year_ = List(entry_.YearItems());
    hour_ = List(DateEntry::HourItems());
    minute_ = List(DateEntry::MinuteItems());

    auto* date = new QGroupBox(QStringLiteral("Date:"));
    auto* dateRow = new QHBoxLayout(date);
    dateRow->addWidget(Captioned(QStringLiteral("&Day:"), day_));
    dateRow->addWidget(Captioned(QStringLiteral("&Month"), month_));
    dateRow->addWidget(Captioned(QStringLiteral("&Year:"), year_));
    auto* time = new QGroupBox(QStringLiteral("Time:"));
    auto* timeRow = new QHBoxLayout(time);
    timeRow->addWidget(Captioned(QStringLiteral("&Hour:"), hour_));
    timeRow->addWidget(Captioned(QStringLiteral("Mi&nute:"), minute_));
    timeRow->addStretch(1);

    auto* okay = new QPushButton(QStringLiteral("OK"));
    okay->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    connect(okay, &QPushButton::clicked, this, &TSetDateTime::OkayClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okay);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    const Observer& o = sim.observer();
    tip_ = new QLabel(kTip + o.locationName + QStringLiteral(" (") + o.ZoneTextAt(sim.SimNow()) +
                      QStringLiteral(")."));
    tip_->setWordWrap(true);
    auto* tipBox = new QGroupBox(QStringLiteral("Tip"));
    auto* tipLayout = new QVBoxLayout(tipBox);
    tipLayout->addWidget(tip_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(date, 0, 0);
    grid->addLayout(buttons, 0, 1, 2, 1);
    grid->addWidget(time, 1, 0);
    grid->addWidget(tipBox, 2, 0, 1, 2);

    const DateEntry::Selection s = entry_.SelectionFor(ToCalendarRecord(sim.LocalNow()));
    day_->setCurrentIndex(s.day);
    month_->setCurrentIndex(s.month);
    year_->setCurrentIndex(s.year);
    hour_->setCurrentIndex(s.hour);
    minute_->setCurrentIndex(s.minute);

    // A fixed size, in the middle of the screen.
    tip_->setFixedWidth(date->sizeHint().width());
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

void TSetDateTime::OkayClick() {
    DateEntry::Selection s;
    s.day = day_->currentIndex();
    s.month = month_->currentIndex();
    s.year = year_->currentIndex();
    s.hour = hour_->currentIndex();
    s.minute = minute_->currentIndex();
    if (s.year < 0) return;  // the list always holds the clock's year; nothing to set without
    const QString problem =
        DateEntry::CheckDate(s.day + 1, s.month + 1, entry_.firstYear() + s.year);
    if (!problem.isEmpty()) {
        ShowInfo(problem, QStringLiteral("Set Date"));
        return;
    }
    sim_.SetLocalTime(entry_.LocalTimeOf(s));
    accept();
}

void TSetDateTime::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (Services::instance().showHelpTopic)
            Services::instance().showHelpTopic(QStringLiteral("SetDateTime"));
        return;
    }
    QDialog::keyPressEvent(event);
}
