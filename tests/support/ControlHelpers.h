#pragma once

// Small helpers over list, slider and menu widgets, written against the members they use so
// that they build without the widget library (QSlider, QListWidget and QMenu fit them).

#include <QString>
#include <algorithm>

template <typename Bar>
void SetTrackBarClamped(Bar& bar, int value) {
    bar.setValue(std::clamp(value, bar.minimum(), std::max(bar.minimum(), bar.maximum())));
}

// Empty when nothing is selected.
template <typename List>
QString SelectedListText(const List& list) {
    const int row = list.currentRow();
    if (row < 0 || row >= list.count()) return QString();
    return list.item(row)->text();
}

// Selects the first item with this text and returns its index, or selects nothing and
// returns -1.
template <typename List>
int SelectListText(List& list, const QString& text) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->text() == text) {
            list.setCurrentRow(i);
            return i;
        }
    }
    list.setCurrentRow(-1);
    return -1;
}

// Deletes, last first, every item of the menu whose tag (its data) is non-zero.
template <typename Menu>
void RemoveTaggedMenuItems(Menu& menu) {
    const auto actions = menu.actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        if ((*it)->data().toInt() != 0) {
            menu.removeAction(*it);
            delete *it;
        }
    }
}
