// Attribute storage, conversions and path parsing, without an interpreter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "scene/attributes.h"

namespace {

std::string Captured(const std::function<void()>& action) {
    testing::internal::CaptureStdout();
    action();
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

TEST(AttributeTypes, NamesLettersAndTruncation) {
    EXPECT_STREQ(AttributeTypeName(AttributeType::ColourArray), "vector<XColour>");
    EXPECT_STREQ(AttributeTypeName(static_cast<AttributeType>(22)), "unknown");
    EXPECT_STREQ(AttributeTypeName(static_cast<AttributeType>(-1)), "unknown");
    AttributeType type = AttributeType::Bool;
    ASSERT_TRUE(AttributeTypeFromAddName("vector<colour>", &type));
    EXPECT_EQ(type, AttributeType::ColourArray);
    EXPECT_FALSE(AttributeTypeFromAddName("XVector", &type));

    EXPECT_EQ(ComponentFromLetter(AttributeType::VectorArray, 'w'), 3);
    EXPECT_EQ(ComponentFromLetter(AttributeType::Colour, '\0'), -1);
    EXPECT_EQ(ComponentFromLetter(AttributeType::Float, 'x'), -1);

    EXPECT_EQ(TruncateToInt(-2.7), -2);
    EXPECT_EQ(TruncateToInt(1e20), INT32_MAX);
    EXPECT_EQ(TruncateToInt(-1e20), INT32_MIN);
    EXPECT_EQ(TruncateToInt(NAN), 0);
}

TEST(AttributeRecord, OwnedCopiesAreDeepReferringCopiesShare) {
    Attribute owned = Attribute::MakeOwned(AttributeType::StringArray);
    owned.resize(2);
    Attribute copy = owned;
    copy.SetElementFromText(0, "changed");
    EXPECT_EQ(owned.as<StringArray>()[0], "");

    float field = 1.0f;
    Attribute referring(&field, AttributeType::Float);
    Attribute alias = referring;
    alias.SetFromNumber(4.5);
    EXPECT_EQ(field, 4.5f);

    Attribute moved = std::move(copy);
    EXPECT_EQ(moved.as<StringArray>()[0], "changed");
}

TEST(AttributeRecord, ResizeFillsWithTheElementDefaults) {
    VectorArray points;
    Attribute vectors(&points, AttributeType::VectorArray);
    vectors.resize(2);
    EXPECT_EQ(points[1].w, 1.0f);
    Attribute colours = Attribute::MakeOwned(AttributeType::ColourArray);
    colours.resize(1);
    EXPECT_EQ(colours.as<ColourArray>()[0].a, 0.0f);
}

TEST(AttributeConversions, EdgesScriptsCannotReachExactly) {
    Attribute flag = Attribute::MakeOwned(AttributeType::Bool);
    flag.SetFromNumber(0.00001);
    EXPECT_TRUE(flag.as<bool>());
    flag.SetFromNumber(NAN);
    EXPECT_FALSE(flag.as<bool>());

    Attribute texts = Attribute::MakeOwned(AttributeType::StringArray);
    texts.resize(1);
    EXPECT_FALSE(texts.SetElementFromText(1, "x"));
    EXPECT_FALSE(texts.SetElementFromText(-1, "x"));
    EXPECT_TRUE(texts.SetElementFromNumber(0, 1e308));
    EXPECT_EQ(texts.as<StringArray>()[0].size(), 316u);

    Attribute numbers = Attribute::MakeOwned(AttributeType::IntArray);
    numbers.resize(1);
    numbers.SetElementFromText(0, "12.7");
    for (const char* ignored : {"-3", "1e2", "", " 4"}) {
        numbers.SetElementFromText(0, ignored);
        EXPECT_EQ(numbers.as<IntArray>()[0], 12) << ignored;
    }
}

TEST(AttributeTable, AddsOnlyTheCreatableTypesOnce) {
    IAttributes table;
    int created = 0;
    for (int32_t code = -1; code <= kAttributeTypeCount; ++code)
        created += table.AddAttribute("a" + std::to_string(code), static_cast<AttributeType>(code));
    EXPECT_EQ(created, 10);
    EXPECT_FALSE(table.AddAttribute("a3", AttributeType::Float));
    EXPECT_EQ(table.Find("a3")->type(), AttributeType::Int);
    EXPECT_TRUE(table.Find("a7")->as<std::string>().empty());
    EXPECT_EQ(table.Find("a16")->size(), 0u);

    table.RemoveAttribute("a3");
    table.RemoveAttribute("absent");
    EXPECT_EQ(table.Find("a3"), nullptr);
    EXPECT_EQ(table.Count(), 9u);
}

TEST(AttributeTable, DeclaredFieldsKeepTheirFirstRecordAndListInByteOrder) {
    float rate = 2.0f, other = 5.0f;
    bool enabled = true;
    IAttributes table;
    table.Declare("alpha", &rate);
    table.Declare("alpha", &other);
    table.Declare("Alpha", &enabled);
    table.Declare("beta", &rate);
    EXPECT_EQ(table.Find("alpha")->value(), &rate);
    EXPECT_FALSE(table.Find("alpha")->owned());

    std::string order;
    for (const auto& [name, attribute] : table) order += name + " ";
    EXPECT_EQ(order, "Alpha alpha beta ");

    table.RemoveAttribute("alpha");
    EXPECT_EQ(rate, 2.0f); // the node's field outlives its record
}

struct PathCase {
    const char* text;
    const char* node;
    const char* attribute;
    int index;
};

TEST(AttributePaths, ReadNodeAttributeAndIndex) {
    const PathCase cases[] = {
        {"ps1.Rate", "ps1", "Rate", -1},
        {"ps1.Points[ 3 ]", "ps1", "Points", 3},
        {"n.a[5", "n", "a", 5},
        {"n.a[1 2]", "n", "a", 1},
        {"n.a[7]tail", "n", "a", 7},
        {"n.b.c", "n", "b.c", -1},
        {".a", "", "a", -1},
        {"n.a[2147483647]", "n", "a", 2147483647},
    };
    for (const PathCase& expected : cases) {
        AttributePath path;
        ASSERT_TRUE(ParseAttributePath(expected.text, &path)) << expected.text;
        EXPECT_EQ(path.node, expected.node);
        EXPECT_EQ(path.attribute, expected.attribute);
        EXPECT_EQ(path.index, expected.index) << expected.text;
    }
}

TEST(AttributePaths, FailuresPrintTheirReason) {
    AttributePath path;
    EXPECT_EQ(Captured([&] { EXPECT_FALSE(ParseAttributePath("na", &path)); }),
              "[ERROR] Unable to correctly parse the attribute string\n");
    const char* unreadable[] = {"n.a[2x]", "n.a[-1]", "n.a[2147483648]",
                                "n.a[                                1]"};
    for (const char* text : unreadable)
        EXPECT_EQ(Captured([&] { EXPECT_FALSE(ParseAttributePath(text, &path)); }),
                  "[ERROR] Could not determine array index\n")
            << text;
}

} // namespace
