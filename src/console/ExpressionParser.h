#pragma once

#include <memory>

#include "console/Node.h"
#include "console/Tokenizer.h"

namespace script {

// How deep an expression may nest (parentheses and call arguments) and how tall its tree
// may grow; beyond either the parse fails with "Expression too complex" instead of
// recursing without bound.
inline constexpr int kMaxNesting = 200;
inline constexpr int kMaxTreeHeight = 1000;

// Reads one expression from the tokenizer's position with an operator-precedence parser
// over two stacks, and returns its tree; the token that ended it is read next. Throws
// Error or SyntaxError.
std::unique_ptr<Node> ParseExpression(Tokenizer& tokenizer);

// The constant a number token makes: int, long, single or double.
std::unique_ptr<Node> MakeNumberConstant(const QString& text);

}  // namespace script
