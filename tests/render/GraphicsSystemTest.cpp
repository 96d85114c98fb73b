#include "core/SettingsStore.h"
#include "render/GraphicsSystem.h"
#include "support/TestSupport.h"

namespace {
GraphicsSystem::Probe Machine(bool hardware, bool software) {
    return {[=] { return hardware; }, [=] { return software; }};
}
}  // namespace

TEST(GraphicsSystem, DriverTableAndSelection) {
    qunsetenv("LIBGL_ALWAYS_SOFTWARE");
    MemorySettingsStore store;
    GraphicsSystem g;
    g.CreateMasterObjects(store, Machine(true, true));
    ASSERT_EQ(g.drivers().size(), 2u);
    EXPECT_TRUE(g.drivers()[0].hardware);
    EXPECT_EQ(g.software(), 1);
    EXPECT_EQ(g.selected(), 1);  // the default asks for the software rasteriser
    EXPECT_EQ(qgetenv("LIBGL_ALWAYS_SOFTWARE"), QByteArray("1"));
    qunsetenv("LIBGL_ALWAYS_SOFTWARE");

    store.writeText(QStringLiteral("DirectX"), QStringLiteral("3DDevice"),
                    QStringLiteral("opengl HARDWARE acceleration"));
    g.CreateMasterObjects(store, Machine(true, true));
    EXPECT_EQ(g.selected(), 0);
    EXPECT_TRUE(g.selectedIsHardware());
    EXPECT_FALSE(qEnvironmentVariableIsSet("LIBGL_ALWAYS_SOFTWARE"));

    // A stored device that is no longer there: the software rasteriser; neither: none.
    store.writeText(QStringLiteral("DirectX"), QStringLiteral("3DDevice"),
                    QStringLiteral("Voodoo 3"));
    g.CreateMasterObjects(store, Machine(false, true));
    EXPECT_EQ(g.selected(), 0);
    EXPECT_EQ(g.selectedDriver()->name, GraphicsSystem::kSoftwareName);
    qunsetenv("LIBGL_ALWAYS_SOFTWARE");
    g.CreateMasterObjects(store, Machine(false, false));
    EXPECT_TRUE(g.drivers().empty());
    EXPECT_EQ(g.selected(), -1);
    EXPECT_EQ(g.software(), -1);
}

TEST(GraphicsSystem, SoftwareRendererStrings) {
    EXPECT_TRUE(IsSoftwareRendererString(QStringLiteral("llvmpipe (LLVM 15.0.6, 256 bits)")));
    EXPECT_TRUE(IsSoftwareRendererString(QStringLiteral("Software Rasterizer")));
    EXPECT_FALSE(
        IsSoftwareRendererString(QStringLiteral("Mesa Intel(R) UHD Graphics 620 (KBL GT2)")));
}
