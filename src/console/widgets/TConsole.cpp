#include "console/widgets/TConsole.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <cmath>
#include <limits>

namespace {

QFont ConsoleFont(bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

}  // namespace

TConsole::TConsole(ConsoleHost& host, QWidget* parent)
    : QWidget(parent),
      interpreter_(host),
      history_(new QPlainTextEdit(this)),
      cmdLine_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Console"));
    resize(529, 317);
    history_->setReadOnly(true);
    history_->setFont(ConsoleFont(false));
    history_->setLineWrapMode(QPlainTextEdit::NoWrap);
    history_->setUndoRedoEnabled(false);
    cmdLine_->setEditable(true);
    cmdLine_->setFont(ConsoleFont(true));
    // The list is kept by hand: newest first, every entry, repeats too.
    cmdLine_->setInsertPolicy(QComboBox::NoInsert);
    cmdLine_->setMaxCount(std::numeric_limits<int>::max());
    cmdLine_->setDuplicatesEnabled(true);
    cmdLine_->lineEdit()->installEventFilter(this);
    cmdLine_->installEventFilter(this);
    history_->installEventFilter(this);
    interpreter_.print = [this](const QString& line) { ConsolePrint(line); };
    ConsolePrint(ConsoleBanner());
    cmdLine_->setEditText(QString());
    Layout();
}

void TConsole::ConsolePrint(const QString& text) {
    history_->appendPlainText(text);
    QTextCursor cursor = history_->textCursor();
    cursor.movePosition(QTextCursor::End);
    history_->setTextCursor(cursor);
    history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

QString TConsole::transcript() const {
    return history_->toPlainText();
}

void TConsole::EnterCommandLine() {
    const QString entry = interpreter_.Enter(cmdLine_->currentText());
    if (!entry.isEmpty()) {
        cmdLine_->insertItem(0, entry);
        cmdLine_->setEditText(QString());
    } else {
        cmdLine_->setEditText(entry);
    }
}

void TConsole::Activated() {
    cmdLine_->setFocus();
}

bool TConsole::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == cmdLine_->lineEdit()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EnterCommandLine();
            return true;
        }
        if (key == Qt::Key_Escape) {
            cmdLine_->setEditText(QString());
            return true;
        }
    }
    // Every key released in the window is seen here first.
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) KeyReleased(key->key());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TConsole::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) KeyReleased(event->key());
}

void TConsole::KeyReleased(int key) {
    if (key == Qt::Key_F1)
        emit helpRequested(QStringLiteral("Console"));
    else
        emit functionKeyPressed(key);
}

QRect TConsole::DefaultPlacement(QSize client) {
    const int w = client.width(), h = client.height();
    return {w / 4, h / 2, int(std::trunc(w * 0.5)), int(std::trunc(h * 0.33))};
}

QSize TConsole::minimumSizeHint() const {
    return {32, 6 * cmdLine_->sizeHint().height()};
}

void TConsole::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void TConsole::Layout() {
    if (isMinimized()) return;
    const int lineHeight = cmdLine_->sizeHint().height();
    const int left = kMargin, top = kMargin;
    const int lineTop = height() - lineHeight - kMargin;
    cmdLine_->setGeometry(left, lineTop, std::max(0, width() - left - kMargin), lineHeight);
    history_->setGeometry(left, top, std::max(0, width() - left - kMargin),
                          std::max(0, lineTop - top - kMargin));
}
