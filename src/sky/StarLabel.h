#pragma once

#include <QString>

namespace sky {

struct StarNames;

// Which of its names the sky view writes beside a star.
enum class StarLabelKind { None, Proper, Greek, Flamsteed };

struct StarLabel {
    StarLabelKind kind = StarLabelKind::None;
    QString text;         // the proper name, the Greek letter (Unicode) or the number
    QString superscript;  // the digit after a Greek letter, as in alpha-1
};

// The level-of-detail menu's three star-name switches.
struct StarLabelSwitches {
    bool properNames = true;
    bool greekLetters = true;
    bool flamsteedNumbers = false;
};

// One label at most, in this priority: the proper name, the Greek letter with its
// superscript digit, the Flamsteed number; each only while its switch is on.
StarLabel ChooseStarLabel(const StarNames* names, const StarLabelSwitches& switches);

}  // namespace sky
