// Attribute storage, conversions and path parsing, without an interpreter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "scene/attributes.h"

TEST(AttributeRecord, OwnedCopiesAreDeepReferringCopiesShare) {
    Attribute owned = Attribute::MakeOwned(AttributeType::StringArray);
    owned.resize(2);
    Attribute copy = owned;
    copy.SetElementFromText(0, "changed");
    EXPECT_EQ(owned.as<StringArray>()[0], "");
    Attribute moved = std::move(copy);
    EXPECT_EQ(moved.as<StringArray>()[0], "changed");

    float field = 1.0f;
    Attribute referring(&field, AttributeType::Float);
    Attribute alias = referring;
    alias.SetFromNumber(4.5);
    EXPECT_EQ(field, 4.5f);
}

// Values scripts cannot hand over exactly, and text no element type accepts.
TEST(AttributeConversions, Edges) {
    EXPECT_EQ((std::vector{TruncateToInt(1e20), TruncateToInt(-1e20), TruncateToInt(NAN)}),
              (std::vector{INT32_MAX, INT32_MIN, 0}));

    Attribute flag = Attribute::MakeOwned(AttributeType::Bool);
    flag.SetFromNumber(0.00001);
    EXPECT_TRUE(flag.as<bool>());
    flag.SetFromNumber(NAN);
    EXPECT_FALSE(flag.as<bool>());

    Attribute texts = Attribute::MakeOwned(AttributeType::StringArray);
    texts.resize(1);
    EXPECT_TRUE(texts.SetElementFromNumber(0, 1e308));
    EXPECT_EQ(texts.as<StringArray>()[0].size(), 316u);
}

// Rows: path, then "node|attribute|index" or the message printed on failure.
TEST(AttributePaths, ReadNodeAttributeAndIndexOrSayWhyNot) {
    const char* unreadableIndex = "[ERROR] Could not determine array index\n";
    const char* cases[][2] = {
        {"ps1.Rate", "ps1|Rate|-1"},
        {"ps1.Points[ 3 ]", "ps1|Points|3"},
        {"n.a[5", "n|a|5"},
        {"n.a[1 2]", "n|a|1"},
        {"n.a[7]tail", "n|a|7"},
        {"n.b.c", "n|b.c|-1"},
        {".a", "|a|-1"},
        {"n.a[2147483647]", "n|a|2147483647"},
        {"na", "[ERROR] Unable to correctly parse the attribute string\n"},
        {"n.a[2x]", unreadableIndex},
        {"n.a[-1]", unreadableIndex},
        {"n.a[2147483648]", unreadableIndex},
        {"n.a[                                1]", unreadableIndex},
    };
    for (const auto& [text, expected] : cases) {
        AttributePath path;
        testing::internal::CaptureStdout();
        bool parsed = ParseAttributePath(text, &path);
        fflush(stdout);
        std::string result = testing::internal::GetCapturedStdout();
        if (parsed) result += path.node + "|" + path.attribute + "|" + std::to_string(path.index);
        EXPECT_EQ(result, expected) << text;
    }
}
