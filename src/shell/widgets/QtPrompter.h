#pragma once

#include "core/Prompter.h"

// Message boxes as real dialogs.
class QtPrompter : public Prompter {
  public:
    MessageResult show(const QString& caption, const QString& text, MessageButtons buttons,
                       MessageIcon icon) override;
};
