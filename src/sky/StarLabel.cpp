#include "sky/StarLabel.h"

#include "sky/StarCatalogue.h"

namespace sky {

StarLabel ChooseStarLabel(const StarNames* names, const StarLabelSwitches& switches) {
    StarLabel label;
    if (!names) return label;
    if (switches.properNames && !names->proper.isEmpty()) {
        label.kind = StarLabelKind::Proper;
        label.text = names->proper;
    } else if (switches.greekLetters && names->greek && !GreekUnicode(names->greek).isNull()) {
        label.kind = StarLabelKind::Greek;
        label.text = GreekUnicode(names->greek);
        if (names->superscript) label.superscript = QString(QLatin1Char(names->superscript));
    } else if (switches.flamsteedNumbers && names->flamsteed != 0) {
        label.kind = StarLabelKind::Flamsteed;
        label.text = QString::number(names->flamsteed);
    }
    return label;
}

}  // namespace sky
