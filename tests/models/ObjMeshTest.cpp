#include "models/ObjMesh.h"
#include "support/TestSupport.h"

TEST(ObjMesh, ReadsFacesAndSkipsBadInput) {
    const auto quad = ParseObj(
        "# a square\n"
        "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
        "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
        "vn 0 0 1\n"
        "f 1/1/1 2/2/1 3/3/1 4/4/1\n"
        "f 1 2 99\n"    // index out of range: skipped
        "f -4 -3 -2\n"  // relative indices
        "usemtl x\nbogus line\n");
    ASSERT_TRUE(quad);
    EXPECT_EQ(quad->vertices.size(), 9u);
    EXPECT_EQ(quad->vertices[1].x, 1.0f);
    EXPECT_EQ(quad->vertices[2].v, 0.0f);  // OBJ's v counts from the bottom
    EXPECT_EQ(quad->vertices[0].nz, 1.0f);
    EXPECT_EQ(quad->vertices[8].nz, 1.0f);  // a face normal where none was given
    EXPECT_FALSE(ParseObj(""));
    EXPECT_FALSE(ParseObj("v 1 2\nf 1 1 1\n"));
    static const char kBinary[] = "\x00\xff\x7f f v";
    EXPECT_FALSE(ParseObj(QByteArray(kBinary, sizeof kBinary - 1)));
}
