#pragma once

#include <QStringList>

#include "console/ConsoleHost.h"

// A camera, viewer and body list that only record what the console asks of them.
class FakeConsoleHost : public ConsoleHost {
  public:
    scene::Vec3 position;
    scene::Vec3 direction{0, 0, 1};
    scene::Vec3 up{0, 1, 0};
    int ticks = 0;
    QStringList bodies{QStringLiteral("Sun"), QStringLiteral("Earth"), QStringLiteral("Moon")};
    QString media;
    QStringList calls;  // "load Earth Earth2.bmp 2", "unload Earth", "help Console"
    bool loadSucceeds = true;

    scene::Vec3 CameraPosition() const override { return position; }
    void SetCameraPosition(const scene::Vec3& p) override { position = p; }
    scene::Vec3 CameraDirection() const override { return direction; }
    scene::Vec3 CameraUp() const override { return up; }
    void ViewerTick() override { ++ticks; }
    std::optional<QString> FindBody(const QString& name) const override {
        for (const QString& b : bodies)
            if (!name.isEmpty() && b.compare(name, Qt::CaseInsensitive) == 0) return b;
        return std::nullopt;
    }
    bool LoadUserModel(const QString& body, const QString& file, const QString& text) override {
        calls << QStringLiteral("load %1 %2 %3").arg(body, file, text);
        return loadSucceeds;
    }
    void UnloadModel(const QString& body) override { calls << QStringLiteral("unload ") + body; }
    QString MediaDirectory() const override { return media; }
    void OpenHelpTopic(const QString& topic) override { calls << QStringLiteral("help ") + topic; }
};
