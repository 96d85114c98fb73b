#include "core/WindowPlacement.h"

#include "core/Numbers.h"
#include "core/SettingsStore.h"

void SaveWindowPlacement(const PlacementWindow& window, SettingsStore& store,
                         const QString& section, bool withSize) {
    const int state = window.windowState();
    if (state == 0) {
        store.writeInt(section, QStringLiteral("Top"), window.top());
        store.writeInt(section, QStringLiteral("Left"), window.left());
        if (withSize) {
            store.writeInt(section, QStringLiteral("Width"), window.width());
            store.writeInt(section, QStringLiteral("Height"), window.height());
        }
    }
    const int saved = (state == 2 && window.isChildWindow()) ? 0 : state;
    store.writeInt(section, QStringLiteral("WindowState"), saved);
}

namespace {
int ReadClamped(const SettingsStore& store, const QString& section, const char* key, int def,
                int min, int max) {
    const QString text = store.readText(section, QLatin1String(key), QString::number(def));
    return ParseIntClamped(text, min, max);
}
}  // namespace

void RestoreWindowPlacement(PlacementWindow& window, const SettingsStore& store,
                            const QString& section, int left, int top, int width, int height,
                            int state) {
    if (left == kCurrentValue) left = window.left();
    if (top == kCurrentValue) top = window.top();
    if (width == kCurrentValue) width = window.width();
    if (height == kCurrentValue) height = window.height();
    if (state == kCurrentValue) state = window.windowState();
    const int sw = window.screenWidth();
    const int sh = window.screenHeight();
    const int l = ReadClamped(store, section, "Left", left, -50, sw - 32);
    const int t = ReadClamped(store, section, "Top", top, -4, sh - 32);
    const int w =
        width > 0 ? ReadClamped(store, section, "Width", width, 100, sw + 32) : window.width();
    const int h =
        height > 0 ? ReadClamped(store, section, "Height", height, 100, sh + 32) : window.height();
    const int s = ReadClamped(store, section, "WindowState", state, 0, 2);
    window.setPlacement(l, t, w, h);
    window.setWindowState(s);
}
