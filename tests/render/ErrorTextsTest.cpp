#include "render/ErrorTexts.h"
#include "support/TestSupport.h"

class ErrorTextsTest : public ServicesTest {};

TEST_F(ErrorTextsTest, TextsAndReport) {
    EXPECT_EQ(PlatformErrorText(0), QStringLiteral("No error."));
    EXPECT_EQ(PlatformErrorText(0x88760313), QStringLiteral("The file was not found."));
    EXPECT_EQ(PlatformErrorText(0x8876017C), PlatformErrorText(0x8007000E));
    EXPECT_EQ(PlatformErrorText(0x887602D5), QStringLiteral("D3DERR_TEXTURE_LOAD_FAILED"));
    EXPECT_EQ(PlatformErrorText(1), QStringLiteral("Unrecognized error value."));
    EXPECT_EQ(PlatformErrorText(0x80001234), QStringLiteral("Unrecognized error value."));
    EXPECT_TRUE(PlatformErrorText(0x0502).startsWith(QStringLiteral("GL_INVALID_OPERATION")));
    EXPECT_EQ(PlatformErrorText(RenderError::OldVersion),
              QStringLiteral("The OpenGL version is too old: version 2.1 or later is needed."));

    ReportPlatformError(0x88760082);
    ReportPlatformError(0x88760313, QStringLiteral("Failed to render universe"));
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompter.calls[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompter.calls[0].text,
              QStringLiteral("Error: DirectDraw received a pointer that was an invalid DIRECTDRAW "
                             "object.\nOpenGL Error"));
    EXPECT_EQ(prompter.calls[1].text,
              QStringLiteral("Error: The file was not found.\nFailed to render universe"));
}

#include <QFile>

#include "render/ObjectDump.h"
#include "scene/Scene.h"

TEST_F(ErrorTextsTest, ObjectDumpListsEveryNamedObject) {
    scene::Scene scene;
    auto unnamed = scene.createMaterial(0);
    auto light = scene.createLight(scene::LightType::Ambient, {0.1, 0.1, 0.1});
    light->setName(scene::SceneName(QStringLiteral("Light:"), QStringLiteral("Ambient")));
    const QString path = DumpObjects(scene);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/DXDump.txt")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Frame: universe (Frame)"),
                                  QStringLiteral("Frame: camera (Frame)"),
                                  QStringLiteral("<No name> class: Viewport"),
                                  QStringLiteral("<No name> class: Material"),
                                  QStringLiteral("Light: Ambient (Light)")}));
}
