#include "console/Node.h"

#include <algorithm>

#include "console/Element.h"
#include "console/TokenKind.h"

namespace script {

Node::Node(int kind) : kind_(kind), precedence_(KindPrecedence(kind)) {}

void Node::AddChild(std::unique_ptr<Node> child) {
    child->parent_ = this;
    height_ = std::max(height_, child->height_ + 1);
    children_.push_back(std::move(child));
}

QString Node::ValueText() const {
    if (kind_ == kBuiltIn) return entry_ ? QString::fromLatin1(entry_->name) : QString();
    if (kind_ != kConstant || !type_) return QString();
    switch (type_->code) {
        case vbInteger:
            return QString::number(static_cast<std::int16_t>(integer_));
        case vbLong:
            return QString::number(static_cast<std::int32_t>(integer_));
        case vbSingle:
            return FormatGeneral(double(float(real_)));
        case vbDouble:
        case vbDate:
            return FormatGeneral(real_);
        case vbBoolean:
            return integer_ ? QStringLiteral("true") : QStringLiteral("false");
        case vbByte:
            return QString(QChar(ushort(static_cast<unsigned char>(integer_))));
        case vbNull:
            return QStringLiteral("NULL");
        default:
            return QString();
    }
}

QString Describe(const Node& node) {
    QString line = KindName(node.kind());
    if (node.type()) line += QLatin1Char(' ') + TypeName(node.type()->code);
    line += QLatin1Char(' ') + node.ValueText();
    if (!node.text().isEmpty()) line += QLatin1Char('"') + node.text() + QLatin1Char('"');
    return line;
}

}  // namespace script
