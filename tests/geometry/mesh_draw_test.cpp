// Mesh drawing read back from the frame buffer, and the last loaded mesh.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "geometry/mesh.h"
#include "geometry/mesh_loader.h"
#include "scene/node_manager.h"
#include "support/gl_window.h"

namespace {

constexpr int kSize = 256;
// A square of this half-width has its edges through pixel centres (64 and 191).
constexpr float kExtent = 0.49609375f;

MeshVertex At(float x, float y) {
    return {0, 0, 0, 0, 1, x, y, 0};
}

IMesh Square(bool clockwise) {
    IMesh mesh;
    mesh.SetGeometry({At(-kExtent, -kExtent), At(kExtent, -kExtent), At(kExtent, kExtent),
                      At(-kExtent, kExtent)},
                     clockwise ? std::vector<uint32_t>{0, 2, 1, 0, 3, 2}
                               : std::vector<uint32_t>{0, 1, 2, 0, 2, 3});
    return mesh;
}

// "r,g,b" of the pixel x, y counted from the bottom left.
std::string Pixel(int x, int y) {
    std::vector<uint8_t> p = ReadGlPixels(x, y, 1, 1);
    return std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]);
}

class MeshDraw : public testing::Test {
  protected:
    void SetUp() override {
        EnsureGlWindow(kSize, kSize);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHT0);
        glColor3f(0.0f, 1.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
};

TEST_F(MeshDraw, LitByDefaultThenOnlyLightZeroStaysOn) {
    Square(false).Draw();
    // Material diffuse 0.8 under light 0, plus 0.2 x 0.2 of the ambient light.
    EXPECT_EQ(Pixel(128, 128), "214,214,214");
    EXPECT_EQ(Pixel(10, 10), "0,0,0");
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    for (GLenum off : {GL_LIGHTING, GL_CULL_FACE, GL_TEXTURE_2D, GL_VERTEX_ARRAY, GL_NORMAL_ARRAY,
                       GL_TEXTURE_COORD_ARRAY})
        EXPECT_FALSE(glIsEnabled(off)) << off;
}

TEST_F(MeshDraw, FlagsChooseCullingAndWireframe) {
    IMesh backwards = Square(true);
    backwards.lit = false;
    backwards.Draw();
    EXPECT_EQ(Pixel(128, 128), "0,0,0");
    backwards.DrawPlain(); // no culling switched on
    EXPECT_EQ(Pixel(128, 128), "0,255,0");

    glClear(GL_COLOR_BUFFER_BIT);
    IMesh lines = Square(false);
    lines.wireframe = true;
    lines.lit = false;
    lines.Draw();
    EXPECT_EQ(Pixel(128, 96), "0,0,0");
    EXPECT_EQ(Pixel(128, 64), "0,255,0"); // the bottom edge
    GLint modes[2];
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_FILL);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
}

TEST_F(MeshDraw, VerticesBeyondSixteenBitNumbersDraw) {
    // Only the last three vertices lie on screen; numbers cut to 16 bits would
    // name others.
    std::vector<MeshVertex> vertices(70000, At(5.0f, 5.0f));
    vertices[69997] = At(-0.5f, -0.5f);
    vertices[69998] = At(0.5f, -0.5f);
    vertices[69999] = At(0.0f, 0.5f);
    IMesh mesh;
    mesh.SetGeometry(vertices, {69997, 69998, 69999});
    mesh.lit = false;
    mesh.Draw();
    EXPECT_EQ(Pixel(128, 128), "0,255,0");
}

TEST(LastLoadedMesh, OutlivesItsDeletionAndStaysOnFailedLoads) {
    if (!SceneNodeManager()) SetSceneNodeManager(new CSceneNodeManager);
    RegisterNodeType(3, "CMesh", MakeNode<CMesh>);
    testing::internal::CaptureStdout();
    CMesh* mesh = LoadMesh(SCRIPTDESK_RUNTIME_DIR "/meshes/pyramid.obj");
    testing::internal::GetCapturedStdout();
    ASSERT_NE(mesh, nullptr);

    DeleteNodeById(mesh->Id());
    FreeNodeWhenUnreferenced(mesh);
    EXPECT_EQ(LoadMesh("no-such-file.obj"), nullptr);
    ASSERT_EQ(LastLoadedMesh(), mesh);
    EXPECT_EQ(mesh->Mesh().VertexCount(), 16u); // 4 sides of 3 and a base of 4
}

} // namespace
