// The OBJ reader on text written as exporters and hand-editors write it:
// faces as fans, corner forms, skipped statements, hostile lines, and the
// vertices the build makes from them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "geometry/obj_reader.h"

namespace {

ObjReader Read(const std::string& text) {
    ObjReader reader;
    reader.ReadText(text);
    return reader;
}

IMesh Build(const std::string& text) {
    IMesh mesh;
    Read(text).Build(mesh);
    return mesh;
}

// Triangles as "p/t/n p/t/n p/t/n | ...", numbered from 1 as in the file; 0
// stands for none.
std::string Faces(const ObjReader& reader) {
    std::string text;
    for (const ObjTriangle& triangle : reader.faces) {
        text += text.empty() ? "" : " | ";
        for (const ObjCorner& c : triangle.corners)
            text += std::to_string(int64_t{c.position} + 1) + "/" +
                    std::to_string(int64_t{c.texcoord} + 1) + "/" +
                    std::to_string(int64_t{c.normal} + 1) + (&c == &triangle.corners[2] ? "" : " ");
    }
    return text;
}

// The floats of each element, elements separated by commas.
template <class Element> std::string Numbers(const std::vector<Element>& elements) {
    std::string text;
    for (const Element& element : elements) {
        float components[sizeof element / sizeof(float)];
        std::memcpy(components, &element, sizeof element);
        std::string numbers;
        for (float c : components)
            numbers += (numbers.empty() ? "" : " ") + testing::PrintToString(c);
        text += (text.empty() ? "" : ", ") + numbers;
    }
    return text;
}

struct FaceRow {
    const char* name;
    std::string text;
    std::string faces;
};

void PrintTo(const FaceRow& row, std::ostream* out) {
    *out << row.name;
}

// Every row is read after one texture coordinate, so none are made up.
const FaceRow faceRows[] = {
    {"QuadIsAFanAroundItsFirstCorner", "f 1 2 3 4", "1/0/0 2/0/0 3/0/0 | 1/0/0 3/0/0 4/0/0"},
    {"TwoCornersAddNothing", "f 1 2\nf\n1 2 3\nf 3 4 5", "3/0/0 4/0/0 5/0/0"},
    {"CornerForms", "f 1/2 3//4 5/6/7 / 8/",
     "1/2/0 3/0/4 5/6/7 | 1/2/0 5/6/7 0/0/0 | 1/2/0 0/0/0 8/0/0"},
    {"RelativeNumbersCountBackFromWhatWasRead",
     "v 0 0 0\nv 0 0 0\nvn 0 0 1\nf -2/-1/-1 -1/1/-1 -3//-1\nv 0 0 0\nf -1 -2 -3",
     "1/1/1 2/1/1 0/0/1 | 3/0/0 2/0/0 1/0/0"},
    {"HugeNumbersAreOutOfRange", "f 99999999999999999999 2147483648 3/4294967297",
     "0/0/0 2147483648/0/0 3/0/0"},
    {"CommentsWithALoneF", "# see f 1 2 3 on its own\n# f is for faces\n#f 4 5 6\n# if 4 5 6",
     "1/0/0 2/0/0 3/0/0"},
    {"StrayCharactersEndTheLine", "f 1 2 3 x 4 5\nf 6 7 8\tnine 9\nf 1 2 3 - 4\nf 1/-/2 3 4 5",
     "1/0/0 2/0/0 3/0/0 | 6/0/0 7/0/0 8/0/0 | 1/0/0 2/0/0 3/0/0"},
    {"CarriageReturnLineFeedEndings", "f 1 2 3\r\nf 4//1 5//1 6//1\r\n\r\nf 7 8 9\r\n",
     "1/0/0 2/0/0 3/0/0 | 4/0/1 5/0/1 6/0/1 | 7/0/0 8/0/0 9/0/0"},
    {"ExporterStatementsAreSkipped",
     "mtllib a.mtl\no Obj\ng left right\nusemtl Mat\ns off\ns 1\nf 1 2 3\nl 1 2 3\np 3 4 5\n"
     "vp 0.5 0.5\ncstype bspline",
     "1/0/0 2/0/0 3/0/0"},
    {"FaceLinesOfAnyLength", "f 1 2" + std::string(300, ' ') + "3 4",
     "1/0/0 2/0/0 3/0/0 | 1/0/0 3/0/0 4/0/0"},
    {"LongWordEndingInFIsOneWord",
     std::string(63, 'x') + "f 1 2 3\n" + std::string(5000, 'y') + "\nf 4 5 6",
     "4/0/0 5/0/0 6/0/0"},
};

class ObjFaces : public testing::TestWithParam<FaceRow> {};

TEST_P(ObjFaces, Read) {
    EXPECT_EQ(Faces(Read("vt 0 0\n" + GetParam().text)), GetParam().faces);
}

INSTANTIATE_TEST_SUITE_P(Rows, ObjFaces, testing::ValuesIn(faceRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ObjReader, NumbersAsTheCLibraryReadsThemUntilOneFails) {
    // w and a third texture number are words of their own; a number may
    // follow on the next line.
    ObjReader reader = Read(
        "v 1 2 3 0.5\nv +1.5 -2e2 0x10\nvn nan inf -INF\nvt 0.25 .5 7\nvt 1\n2\nv 4 5 x\nv 1 1 1");
    EXPECT_EQ(Numbers(reader.positions), "1 2 3, 1.5 -200 16");
    EXPECT_EQ(Numbers(reader.normals), "nan inf -inf");
    EXPECT_EQ(Numbers(reader.texcoords), "0.25 0.5, 1 2");
    EXPECT_EQ(Read("v 1 2 +-3\nv 1 2 3").positions.size(), 0u);
}

TEST(ObjReader, TextureCoordinatesAreMadeUpOnlyWhenTheFileHasNone) {
    ObjReader madeUp = Read("v 1 2 3\nv 4 5 6\nv 7 8 9\nf 1/5 2 3//1");
    EXPECT_EQ(Numbers(madeUp.texcoords), "1 3, 4 6, 7 9");
    EXPECT_EQ(Faces(madeUp), "1/1/0 2/2/0 3/3/1");
    ObjReader given = Read("v 1 2 3\nv 4 5 6\nv 7 8 9\nvt 0.5 0.5\nf 1/1 2 3//1");
    EXPECT_EQ(Faces(given), "1/1/0 2/0/0 3/0/1");
}

TEST(ObjBuild, CornersMergeOnlyWhenEveryComponentIsWithinTheTolerance) {
    // As floats, 1.0000099 lies 0.0000099 from 1 and 1.00001 lies 0.0000100136 from it.
    // The third corner is within reach of both earlier vertices and takes the first.
    IMesh mesh = Build("v 1 0 0\nv 1.00001 0 0\nv 1.0000099 0 0\nvn 0 0 1\nvn 0 0 1.0000099\n"
                       "vn 0 0 1.00001\nvt 0 0\nf 1/1/1 2/1/1 3/1/1 1/1/2 1/1/3");
    EXPECT_EQ(mesh.Indices(), (std::vector<uint32_t>{0, 1, 0, 0, 0, 0, 0, 0, 2}));
}

TEST(ObjBuild, NumbersThatNameNothingGiveZeros) {
    IMesh mesh = Build("v 1 2 3\nvn 0 1 0\nvt 0.5 0.25\nf 1/1/1 1/9/1 9/1/9 1 -5/-5/-5");
    EXPECT_EQ(Numbers(mesh.Vertices()),
              "0.5 0.25 0 1 0 1 2 3, 0 0 0 1 0 1 2 3, 0.5 0.25 0 0 0 0 0 0,"
              " 0 0 0 0 0 1 2 3, 0 0 0 0 0 0 0 0");
}

} // namespace
