#include "startup/rendererchoice.h"

#include <gtest/gtest.h>

using RendererChoice::Renderer;
using RendererChoice::Setting;

namespace {

Renderer automatic(const QString &glRenderer) {
    return RendererChoice::choose({}, Setting::Auto, glRenderer).renderer;
}

} // namespace

TEST(RendererChoice, SoftwareOpenGlGetsTheSoftwareRendererAndAGpuIsLeftAlone) {
    // Renderer strings as Mesa and the GPU drivers give them.
    EXPECT_EQ(automatic("llvmpipe (LLVM 15.0.6, 256 bits)"), Renderer::Software);
    EXPECT_EQ(automatic("softpipe"), Renderer::Software);
    EXPECT_EQ(automatic("Mesa X11 Software Rasterizer"), Renderer::Software);
    EXPECT_EQ(automatic("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"), Renderer::Gpu);
    EXPECT_EQ(automatic("NVIDIA GeForce GTX 1060/PCIe/SSE2"), Renderer::Gpu);
    // No OpenGL at all: only the software renderer can draw.
    EXPECT_EQ(automatic({}), Renderer::Software);
    // The about window says which and why.
    EXPECT_EQ(RendererChoice::choose({}, Setting::Auto, "llvmpipe (LLVM 15.0.6, 256 bits)").reason,
              "software (no GPU: llvmpipe (LLVM 15.0.6, 256 bits))");
    EXPECT_EQ(RendererChoice::choose({}, Setting::Auto, "AMD Radeon RX 6600").reason,
              "GPU (AMD Radeon RX 6600)");
    EXPECT_EQ(RendererChoice::choose({}, Setting::Auto, {}).reason, "software (no OpenGL)");
}

TEST(RendererChoice, TheUsersQtQuickBackendWinsThenTheLanguageFileThenOpenGl) {
    const QString llvmpipe = QStringLiteral("llvmpipe (LLVM 15.0.6, 256 bits)");
    for (const Setting setting : {Setting::Auto, Setting::Gpu, Setting::Software}) {
        const auto choice = RendererChoice::choose("QT_QUICK_BACKEND=rhi", setting, llvmpipe);
        EXPECT_EQ(choice.renderer, Renderer::UserChosen);
        EXPECT_EQ(choice.reason, "chosen by QT_QUICK_BACKEND=rhi");
        EXPECT_FALSE(RendererChoice::needsOpenGl("QT_QUICK_BACKEND=rhi", setting));
    }
    EXPECT_EQ(RendererChoice::choose("QMLSCENE_DEVICE=softwarecontext", Setting::Gpu, {}).reason,
              "chosen by QMLSCENE_DEVICE=softwarecontext");

    // The setting overrules what OpenGL says, and then OpenGL is not asked at all.
    const auto gpu = RendererChoice::choose({}, Setting::Gpu, llvmpipe);
    EXPECT_EQ(gpu.renderer, Renderer::Gpu);
    EXPECT_EQ(gpu.reason, "GPU (RENDERER=gpu)");
    const auto software = RendererChoice::choose({}, Setting::Software, "AMD Radeon RX 6600");
    EXPECT_EQ(software.renderer, Renderer::Software);
    EXPECT_EQ(software.reason, "software (RENDERER=software)");
    EXPECT_FALSE(RendererChoice::needsOpenGl({}, Setting::Gpu));
    EXPECT_FALSE(RendererChoice::needsOpenGl({}, Setting::Software));
    EXPECT_TRUE(RendererChoice::needsOpenGl({}, Setting::Auto));
}

TEST(RendererChoice, TheSettingIsReadInAnyCaseAndAnythingElseIsAuto) {
    EXPECT_EQ(RendererChoice::parseSetting("gpu"), Setting::Gpu);
    EXPECT_EQ(RendererChoice::parseSetting(" Software "), Setting::Software);
    EXPECT_EQ(RendererChoice::parseSetting("GPU"), Setting::Gpu);
    for (const char *other : {"auto", "", "opengl", "soft", "gpu software"})
        EXPECT_EQ(RendererChoice::parseSetting(other), Setting::Auto) << other;
}
