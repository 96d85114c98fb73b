#include "shell/widgets/HelpBrowser.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "core/Services.h"

HelpBrowser::HelpBrowser(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Orbivale Help"));
    resize(720, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QToolBar(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({ResourceDirectory(QStringLiteral("help"))});
    tools->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
    tools->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
    tools->addAction(QStringLiteral("Contents"), this,
                     [this] { ShowTopic(QStringLiteral("index")); });
    layout->addWidget(tools);
    layout->addWidget(browser_);
}

bool HelpBrowser::ShowTopic(const QString& topic) {
    topic_ = topic;
    const QString path = ResourceDirectory(QStringLiteral("help")) + QLatin1Char('/') + topic +
                         QStringLiteral(".htm");
    if (!QFileInfo::exists(path)) {
        browser_->setHtml(
            QStringLiteral(
                "<h2>Help</h2><p>The help page &ldquo;%1&rdquo; could not be found in %2.</p>")
                .arg(topic.toHtmlEscaped(),
                     ResourceDirectory(QStringLiteral("help")).toHtmlEscaped()));
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
    return true;
}

bool HelpBrowser::ShowDocument(const QString& path) {
    const QFileInfo page(path);
    if (!page.isFile()) return false;
    topic_ = page.completeBaseName();
    browser_->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    return true;
}
