#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "console/StockType.h"
#include "console/Symbols.h"

namespace script {

// One node of an expression tree; it owns its children.
class Node {
  public:
    explicit Node(int kind);
    virtual ~Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    int kind() const { return kind_; }
    int precedence() const { return precedence_; }
    Node* parent() const { return parent_; }
    const StockType* type() const { return type_; }
    void setType(const StockType* type) { type_ = type; }
    int typeCode() const { return type_ ? type_->code : -1; }
    const std::vector<std::unique_ptr<Node>>& children() const { return children_; }
    void AddChild(std::unique_ptr<Node> child);
    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }
    const BuiltIn* entry() const { return entry_; }
    void setEntry(const BuiltIn* entry) { entry_ = entry; }
    // Levels of nodes from this one down to its deepest leaf (1 for a leaf).
    int height() const { return height_; }

    // A constant's value, held at the byte size of its type.
    void SetIntegerValue(std::int64_t value) { integer_ = value; }
    void SetRealValue(double value) { real_ = value; }
    std::int64_t integerValue() const { return integer_; }
    double realValue() const { return real_; }

    // What a printed tree shows after the kind and type: a constant's value, a function's name.
    virtual QString ValueText() const;

  private:
    int kind_;
    int precedence_;
    Node* parent_ = nullptr;
    const StockType* type_ = nullptr;
    std::vector<std::unique_ptr<Node>> children_;
    QString text_;
    const BuiltIn* entry_ = nullptr;
    std::int64_t integer_ = 0;
    double real_ = 0;
    int height_ = 1;
};

// The one line of a printed tree for a node: kind, type, value text and quoted text.
QString Describe(const Node& node);

}  // namespace script
