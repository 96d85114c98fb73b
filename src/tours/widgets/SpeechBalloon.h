#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

// The narrator's speech balloon: a rounded cloud of text with a tail towards the narrator,
// in a frameless window of its own above the program, placed over the narrator (or under it
// when there is no room above) and kept on the screen.
class SpeechBalloon : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTextWidth = 250;

    explicit SpeechBalloon(QWidget* parent = nullptr);

    // The text with its stressed words (start, length) in bold.
    void ShowText(const QString& text, const std::vector<std::pair<int, int>>& emphasis,
                  const QRect& narrator, const QRect& screen);
    QString text() const { return text_; }
    bool tailDown() const { return tailDown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString html_;
    QString text_;
    QSize textSize_;
    bool tailDown_ = true;
    int tailX_ = 0;
};
