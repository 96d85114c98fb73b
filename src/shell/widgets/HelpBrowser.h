#pragma once

#include <QWidget>

class QTextBrowser;

// The help: the pages of the help folder in a simple browser window.
class HelpBrowser : public QWidget {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    // Shows "<topic>.htm"; false (with a message in the window) when the page is missing.
    bool ShowTopic(const QString& topic);
    // Shows a page of the program's own (the encyclopedia's, say); false when it is missing.
    bool ShowDocument(const QString& path);
    QString currentTopic() const { return topic_; }
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
    QString topic_;
};
