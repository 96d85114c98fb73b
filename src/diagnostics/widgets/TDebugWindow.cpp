#include "diagnostics/widgets/TDebugWindow.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/CheckedSaveFile.h"
#include "core/Files.h"
#include "core/Prompter.h"

TDebugWindow::TDebugWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("System Log"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QToolBar(this);
    QAction* save = tools->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                     QStringLiteral("Save"));
    save->setToolTip(QStringLiteral("Save Contents of Log"));
    layout->addWidget(tools);
    output_ = new QPlainTextEdit(this);
    output_->setReadOnly(true);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(output_);
    output_->setPlainText(Services::instance().systemLog().join(QLatin1Char('\n')));
    Services::instance().setLogSink(LogSinkSlot::SystemLogWindow, this);
    connect(save, &QAction::triggered, this, [this] {
        QFileDialog dialog(this, QString(), QString(), QStringLiteral("Log files (*.log)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("log"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            SaveLog(dialog.selectedFiles().first());
    });
}

TDebugWindow::~TDebugWindow() {
    if (Services::instance().logSink(LogSinkSlot::SystemLogWindow) == this)
        Services::instance().setLogSink(LogSinkSlot::SystemLogWindow, nullptr);
}

void TDebugWindow::logLine(const QString& line) {
    output_->appendPlainText(line);
}

QStringList TDebugWindow::lines() const {
    const QString text = output_->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

bool TDebugWindow::SaveLog(const QString& path) {
    CheckedSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        for (const QString& line : lines()) file.write(line + QLatin1Char('\n'));
        if (file.commit()) return true;
    }
    ShowError(QStringLiteral("The log file could not be written."), QStringLiteral("Error"));
    return false;
}

void TDebugWindow::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1)
        ShowEncyclopediaTopic(QStringLiteral("SystemLog"));
    else
        emit functionKeyPressed(e->key());
}
