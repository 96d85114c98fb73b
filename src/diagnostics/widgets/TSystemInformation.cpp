#include "diagnostics/widgets/TSystemInformation.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/Prompter.h"

namespace {

constexpr int kMargin = 2;

// Draws a line as two columns: the label at the left edge, the value a third of the list's
// width in.
class TwoColumnDelegate : public QStyledItemDelegate {
  public:
    explicit TwoColumnDelegate(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        const sysinfo::LineColumns line = sysinfo::SplitLine(index.data().toString());
        const QRect r = option.rect.adjusted(kMargin, 0, 0, 0);
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, line.label);
        if (line.split)
            painter->drawText(r.adjusted(ValueColumn(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                              line.value);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        const sysinfo::LineColumns line = sysinfo::SplitLine(index.data().toString());
        int width = metrics.horizontalAdvance(line.label);
        if (line.split)
            width = std::max(width, ValueColumn() + metrics.horizontalAdvance(line.value));
        // The list scrolls sideways as far as the widest line, plus a little.
        return {width + 2 * kMargin + 4, metrics.height() + 2};
    }

  private:
    int ValueColumn() const { return list_->viewport()->width() / 3; }
    QListWidget* list_;
};

}  // namespace

TSystemInformation::TSystemInformation(sysinfo::Dump dump, QWidget* parent)
    : QDialog(parent), dump_(std::move(dump)) {
    setWindowTitle(QStringLiteral("System Information"));
    tabs_ = new QTabWidget;
    const std::array<QString, 4> captions = {
        QStringLiteral("&Memory Manager"), QStringLiteral("&Operating System"),
        QStringLiteral("&Display"), QStringLiteral("Or&bivale")};
    const std::array<const char*, 4> names = {"MemoryList", "OSList", "DisplayList", "OEList"};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* list = new QListWidget;
        list->setObjectName(QString::fromLatin1(names[i]));
        list->setItemDelegate(new TwoColumnDelegate(list));
        list->setUniformItemSizes(false);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->addItems(dump_.sections[i]);
        lists_[i] = list;
        tabs_->addTab(list, captions[i]);
    }
    auto* buttons = new QDialogButtonBox;
    QPushButton* save =
        buttons->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setDefault(true);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    connect(save, &QPushButton::clicked, this, &TSystemInformation::SaveLogClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { emit helpRequested(QStringLiteral("SysInfo")); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    setFixedSize(600, 420);
    showPage(MemoryPage);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void TSystemInformation::showPage(Page page) {
    tabs_->setCurrentIndex(page);
}

QString TSystemInformation::ChooseSaveFile() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("log"));
    dialog.setNameFilter(QStringLiteral("Log files (*.log)"));
    dialog.selectFile(QStringLiteral("SystemInfo.log"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

void TSystemInformation::SaveLogClick() {
    const QString path = ChooseSaveFile();
    if (!path.isEmpty()) SaveLogTo(path);
}

bool TSystemInformation::SaveLogTo(const QString& path) {
    if (sysinfo::SaveDump(path, dump_, QDateTime::currentDateTime())) return true;
    ShowError(QStringLiteral("The log file could not be written."), QStringLiteral("Error"));
    return false;
}

bool TSystemInformation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("SysInfo"));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSystemInformation::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("SysInfo"));
        return;
    }
    QDialog::keyReleaseEvent(event);
}
