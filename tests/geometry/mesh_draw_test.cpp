// Mesh drawing read back from the frame buffer: the state each flag switches
// and what is left switched afterwards, culling, wireframes, wide indices;
// and the mesh node with the last loaded mesh.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "geometry/mesh.h"
#include "geometry/mesh_loader.h"
#include "scene/node_manager.h"
#include "support/gl_window.h"

namespace {

constexpr int kSize = 256;
// Squares of this half-width have their edges through pixel centres (64 and 191).
constexpr float kExtent = 0.49609375f;

MeshVertex At(float x, float y, float z = 0.0f) {
    return {0, 0, 0, 0, 1, x, y, z};
}

// A square facing the viewer, corners at ±extent, counter-clockwise unless asked.
IMesh Square(float extent, bool clockwise = false) {
    IMesh mesh;
    std::vector<uint32_t> order = clockwise ? std::vector<uint32_t>{0, 2, 1, 0, 3, 2}
                                            : std::vector<uint32_t>{0, 1, 2, 0, 2, 3};
    mesh.SetGeometry(
        {At(-extent, -extent), At(extent, -extent), At(extent, extent), At(-extent, extent)},
        order);
    return mesh;
}

class MeshDraw : public testing::Test {
  protected:
    void SetUp() override {
        EnsureGlWindow(kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHT0);
        glColor3f(0.0f, 1.0f, 0.0f);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // "r,g,b" of the pixel x, y counted from the bottom left.
    static std::string Pixel(int x, int y) {
        std::vector<uint8_t> p = ReadGlPixels(x, y, 1, 1);
        return std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]);
    }
    static std::string Centre() { return Pixel(kSize / 2, kSize / 2); }
};

TEST_F(MeshDraw, LitByDefaultAndSwitchedOffAfterwardsExceptLightZero) {
    Square(kExtent).Draw();
    // Material diffuse 0.8 under light 0, plus 0.2 x 0.2 of the ambient light.
    EXPECT_EQ(Centre(), "214,214,214");
    EXPECT_EQ(Pixel(10, 10), "0,0,0");
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    // The vertex arrays point at the mesh only while it draws.
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
}

TEST_F(MeshDraw, FlagsChooseCullingWireframeAndLighting) {
    IMesh backwards = Square(kExtent, true);
    backwards.lit = false;
    backwards.Draw();
    EXPECT_EQ(Centre(), "0,0,0");
    backwards.cullFace = false;
    backwards.Draw();
    EXPECT_EQ(Centre(), "0,255,0");
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));

    glClear(GL_COLOR_BUFFER_BIT);
    IMesh lines = Square(kExtent);
    lines.wireframe = true;
    lines.lit = false;
    lines.Draw();
    EXPECT_EQ(Pixel(kSize / 2, kSize * 3 / 8), "0,0,0");
    EXPECT_EQ(Pixel(kSize / 2, kSize / 4), "0,255,0"); // on the bottom edge
    GLint modes[2];
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_FILL);
    EXPECT_EQ(modes[1], GL_FILL);
}

TEST_F(MeshDraw, InvisibleOrEmptyMeshesDrawNothing) {
    IMesh hidden = Square(kExtent);
    hidden.visible = false;
    hidden.Draw();
    hidden.DrawPlain();
    IMesh empty;
    empty.Draw();
    EXPECT_EQ(Centre(), "0,0,0");
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
}

TEST_F(MeshDraw, PlainDrawChangesNoState) {
    Square(kExtent, true).DrawPlain();
    EXPECT_EQ(Centre(), "0,255,0");
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
}

TEST_F(MeshDraw, VerticesBeyondSixteenBitNumbersDraw) {
    // Every vertex lies off screen except the last three; numbers cut to 16
    // bits would name off-screen ones.
    std::vector<MeshVertex> vertices(70000, At(5.0f, 5.0f));
    vertices[69997] = At(-0.5f, -0.5f);
    vertices[69998] = At(0.5f, -0.5f);
    vertices[69999] = At(0.0f, 0.5f);
    IMesh mesh;
    mesh.SetGeometry(vertices, {69997, 69998, 69999});
    mesh.lit = false;
    mesh.Draw();
    EXPECT_EQ(Centre(), "0,255,0");
    EXPECT_EQ(mesh.VertexPosition(69999).y, 0.5f);
    EXPECT_EQ(mesh.VertexNormal(69999).z, 1.0f);
    XVector beyond = mesh.VertexPosition(70000);
    EXPECT_EQ(std::vector<float>({beyond.x, beyond.y, beyond.z, beyond.w}),
              std::vector<float>({0, 0, 0, 1}));
    EXPECT_EQ(mesh.VertexNormal(70000).x, 0.0f);
}

TEST_F(MeshDraw, MeshNodeRendersItsDataAndAnswersItsInterfaces) {
    CMesh node;
    node.Mesh() = Square(kExtent);
    node.Mesh().lit = false;
    node.Query<IRender>(InterfaceRender)->Render();
    EXPECT_EQ(Centre(), "0,255,0");
    EXPECT_EQ(node.Query<IMesh>(InterfaceMesh), &node.Mesh());
    EXPECT_EQ(&node.Query<IMeshNode>(InterfaceMeshNode)->Node(), &node);
    EXPECT_EQ(node.Query<IAttributes>(InterfaceAttributes)->Count(), 0u);
    IMeshTransform* transform = node.Query<IMeshTransform>(InterfaceMeshTransform);
    EXPECT_EQ(transform->Transform().scale.x, 1.0f);
    EXPECT_EQ(transform->Matrix()[15], 1.0f);
    for (int32_t refused : {0, 3, 4, 6, 7, 8, 9, 10, 11, 14})
        EXPECT_EQ(node.Query<void>(refused), nullptr) << refused;
}

TEST(LastLoadedMesh, OutlivesItsDeletionAndStaysOnFailedLoads) {
    if (!SceneNodeManager()) SetSceneNodeManager(new CSceneNodeManager);
    RegisterNodeType(3, "CMesh", MakeNode<CMesh>, nullptr);
    testing::internal::CaptureStdout();
    CMesh* mesh = LoadMesh(SCRIPTDESK_RUNTIME_DIR "/meshes/pyramid.obj");
    std::string printed = testing::internal::GetCapturedStdout();
    ASSERT_NE(mesh, nullptr);
    std::string id = std::to_string(mesh->Id());
    EXPECT_EQ(printed, "P = " + id + "\nNew Mesh Loaded, id=" + id + "\n");
    EXPECT_EQ(mesh->Name(), "mesh1");
    EXPECT_EQ(mesh->TypeId(), 3);

    DeleteNodeById(mesh->Id());
    FreeNodeWhenUnreferenced(mesh);
    EXPECT_EQ(LoadMesh("no-such-file.obj"), nullptr);
    ASSERT_EQ(LastLoadedMesh(), mesh);
    EXPECT_EQ(mesh->Mesh().VertexCount(), 16u); // 4 sides of 3 and a base of 4
}

} // namespace
