#pragma once

#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

#include "core/WindowPlacement.h"

// A window's remembered placement over a top-level window or an MDI child.
class WidgetPlacement : public PlacementWindow {
  public:
    explicit WidgetPlacement(QWidget& w) : w_(w) {}
    int left() const override { return w_.x(); }
    int top() const override { return w_.y(); }
    int width() const override { return w_.width(); }
    int height() const override { return w_.height(); }
    int windowState() const override {
        if (w_.isMinimized()) return 1;
        if (w_.isMaximized()) return 2;
        return 0;
    }
    bool isChildWindow() const override { return qobject_cast<QMdiSubWindow*>(&w_) != nullptr; }
    int screenWidth() const override { return screen().width(); }
    int screenHeight() const override { return screen().height(); }
    void setPlacement(int l, int t, int wd, int h) override {
        w_.move(l, t);
        w_.resize(wd, h);
    }
    void setWindowState(int s) override {
        w_.setWindowState(s == 1   ? Qt::WindowMinimized
                          : s == 2 ? Qt::WindowMaximized
                                   : Qt::WindowNoState);
    }

  private:
    QRect screen() const {
        const QScreen* s = w_.screen();
        return s ? s->geometry() : QRect(0, 0, 1280, 1024);
    }
    QWidget& w_;
};
