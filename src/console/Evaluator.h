#pragma once

#include <optional>

#include "console/Element.h"
#include "console/Node.h"

namespace script {

// The value of a tree, or none for the constructs without an evaluation rule (powers,
// comparisons, names, ...). Throws Error or SyntaxError.
std::optional<Element> Evaluate(const Node& node);

}  // namespace script
