#include "tours/widgets/SpeechBalloon.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

namespace {
constexpr int kMargin = 10;  // around the text
constexpr int kTail = 14;    // the tail's height
constexpr int kGap = 2;      // between the tail and the narrator

QTextDocument* Document(const QString& html, const QFont& font) {
    auto* doc = new QTextDocument;
    doc->setDefaultFont(font);
    doc->setHtml(html);
    doc->setTextWidth(SpeechBalloon::kTextWidth);
    return doc;
}
}  // namespace

SpeechBalloon::SpeechBalloon(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Narrator's balloon"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(10);
    setFont(f);
}

void SpeechBalloon::ShowText(const QString& text, const std::vector<std::pair<int, int>>& emphasis,
                             const QRect& narrator, const QRect& screen) {
    text_ = text;
    QString html;
    int at = 0;
    for (const auto& [start, length] : emphasis) {
        if (start < at || start + length > text.size()) continue;
        html += text.mid(at, start - at).toHtmlEscaped();
        html += QStringLiteral("<b>") + text.mid(start, length).toHtmlEscaped() +
                QStringLiteral("</b>");
        at = start + length;
    }
    html += text.mid(at).toHtmlEscaped();
    html_ = html;
    std::unique_ptr<QTextDocument> doc(Document(html_, font()));
    textSize_ = QSize(int(std::ceil(doc->idealWidth())), int(std::ceil(doc->size().height())));
    const QSize size(textSize_.width() + 2 * kMargin, textSize_.height() + 2 * kMargin + kTail);
    setFixedSize(size);

    // Above the narrator when it fits, else below; across, centred on it within the screen.
    tailDown_ = narrator.top() - size.height() - kGap >= screen.top();
    const int y = tailDown_ ? narrator.top() - size.height() - kGap : narrator.bottom() + kGap;
    int x = narrator.center().x() - size.width() / 2;
    x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() - size.width()));
    tailX_ = std::clamp(narrator.center().x() - x, kMargin + 6, size.width() - kMargin - 6);
    move(x, y);
    update();
    show();
    raise();
}

void SpeechBalloon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRectF body = tailDown_ ? QRectF(1, 1, width() - 2, height() - kTail - 2)
                                  : QRectF(1, kTail + 1, width() - 2, height() - kTail - 2);
    QPainterPath outline;
    outline.addRoundedRect(body, 10, 10);
    // The tail reaches a few pixels into the body so that the two join without a seam.
    QPolygonF tail;
    if (tailDown_)
        tail << QPointF(tailX_ - 8, body.bottom() - 4) << QPointF(tailX_ + 8, body.bottom() - 4)
             << QPointF(tailX_, height() - 1) << QPointF(tailX_ - 8, body.bottom() - 4);
    else
        tail << QPointF(tailX_ - 8, body.top() + 4) << QPointF(tailX_ + 8, body.top() + 4)
             << QPointF(tailX_, 1) << QPointF(tailX_ - 8, body.top() + 4);
    QPainterPath tailPath;
    tailPath.addPolygon(tail);
    const QPainterPath path = outline.united(tailPath);
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    p.setBrush(QColor(255, 255, 228, 240));
    p.drawPath(path);
    std::unique_ptr<QTextDocument> doc(Document(html_, font()));
    p.translate(body.left() + kMargin - 1, body.top() + kMargin - 1);
    doc->drawContents(&p);
}
