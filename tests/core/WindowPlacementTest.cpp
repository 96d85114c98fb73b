#include <gtest/gtest.h>

#include "core/SettingsStore.h"
#include "core/WindowPlacement.h"

namespace {
struct FakeWindow : PlacementWindow {
    int l = 10, t = 20, w = 300, h = 200, state = 0;
    bool child = true;
    int left() const override { return l; }
    int top() const override { return t; }
    int width() const override { return w; }
    int height() const override { return h; }
    int windowState() const override { return state; }
    bool isChildWindow() const override { return child; }
    int screenWidth() const override { return 1280; }
    int screenHeight() const override { return 1024; }
    void setPlacement(int nl, int nt, int nw, int nh) override { l = nl, t = nt, w = nw, h = nh; }
    void setWindowState(int s) override { state = s; }
};
const QString kSection = QStringLiteral("MainViewer");
}  // namespace

TEST(WindowPlacement, SaveOnlyNormalPlacement) {
    MemorySettingsStore store;
    FakeWindow win;
    SaveWindowPlacement(win, store, kSection, false);
    EXPECT_EQ(store.readInt(kSection, QStringLiteral("Left"), -1), 10);
    EXPECT_FALSE(store.read(kSection, QStringLiteral("Width")).has_value());
    SaveWindowPlacement(win, store, kSection, true);
    EXPECT_EQ(store.readInt(kSection, QStringLiteral("Width"), -1), 300);

    win.state = 2;
    win.l = 999;
    SaveWindowPlacement(win, store, kSection, true);
    EXPECT_EQ(store.readInt(kSection, QStringLiteral("Left"), -1), 10);        // unchanged
    EXPECT_EQ(store.readInt(kSection, QStringLiteral("WindowState"), -1), 0);  // maximised child
    win.child = false;
    SaveWindowPlacement(win, store, kSection, true);
    EXPECT_EQ(store.readInt(kSection, QStringLiteral("WindowState"), -1), 2);
}

TEST(WindowPlacement, RestoreClampsToTheScreen) {
    MemorySettingsStore store;
    store.writeText(kSection, QStringLiteral("Left"), QStringLiteral("-500"));
    store.writeText(kSection, QStringLiteral("Top"), QStringLiteral("99999"));
    store.writeText(kSection, QStringLiteral("Width"), QStringLiteral("junk"));
    store.writeText(kSection, QStringLiteral("Height"), QStringLiteral("5000"));
    store.writeText(kSection, QStringLiteral("WindowState"), QStringLiteral("7"));
    FakeWindow win;
    RestoreWindowPlacement(win, store, kSection, 4, 4, 400, 400, 0);
    EXPECT_EQ(win.l, -50);
    EXPECT_EQ(win.t, 1024 - 32);
    EXPECT_EQ(win.w, 100);  // unreadable text takes the minimum
    EXPECT_EQ(win.h, 1024 + 32);
    EXPECT_EQ(win.state, 2);

    MemorySettingsStore empty;
    FakeWindow fresh;
    RestoreWindowPlacement(fresh, empty, kSection, 4, kCurrentValue, 0, 0, 0);
    EXPECT_EQ(fresh.l, 4);
    EXPECT_EQ(fresh.t, 20);   // current value kept
    EXPECT_EQ(fresh.w, 300);  // width not restored when its default is 0
}
