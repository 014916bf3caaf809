#include "app/rendererchoice.h"

#include <gtest/gtest.h>

using RendererChoice::Renderer;

TEST(RendererChoice, SoftwareOpenGlGetsTheSoftwareRendererAndAGpuIsLeftAlone) {
    // Renderer strings as Mesa and the GPU drivers give them.
    EXPECT_EQ(RendererChoice::choose({}, "llvmpipe (LLVM 15.0.6, 256 bits)"), Renderer::Software);
    EXPECT_EQ(RendererChoice::choose({}, "softpipe"), Renderer::Software);
    EXPECT_EQ(RendererChoice::choose({}, "Mesa X11 Software Rasterizer"), Renderer::Software);
    EXPECT_EQ(RendererChoice::choose({}, "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"),
              Renderer::Gpu);
    EXPECT_EQ(RendererChoice::choose({}, "NVIDIA GeForce GTX 1060/PCIe/SSE2"), Renderer::Gpu);
    // No OpenGL at all: only the software renderer can draw.
    EXPECT_EQ(RendererChoice::choose({}, {}), Renderer::Software);
}

TEST(RendererChoice, TheUsersQtQuickBackendAlwaysWins) {
    EXPECT_EQ(RendererChoice::choose("rhi", "llvmpipe (LLVM 15.0.6, 256 bits)"),
              Renderer::UserChosen);
    EXPECT_EQ(RendererChoice::choose("software", "AMD Radeon RX 6600"), Renderer::UserChosen);
}
