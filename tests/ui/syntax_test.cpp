// Syntax files and the highlighter's runs, without GL.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/syntax_highlight.h"
#include "ui/syntax_scheme.h"

using namespace ui;

namespace {

const char* const kHeader = "Language Test\nHighlighting On 1\nWords 2 alpha beta\nColours\n"
                            "0 0 0  0 0 0  1 0 0  0 1 0  0 0 1  1 1 0  0 1 1  1 0 1\n"
                            "0.5 0 0  0 0.5 0  0 0 0.5  0 0 0  0 0.5 0.5  0 0 0  0 0 0  2 -1 x\n";

SyntaxScheme parse(const std::string& text, int* unknown = nullptr) {
    int count = 0;
    SyntaxScheme scheme = parseSyntaxScheme(text, count);
    if (unknown) *unknown = count;
    return scheme;
}

TEST(SyntaxFile, ReadsTheHeaderAndEveryKnownSectionPastUnknownOnes) {
    int unknown = 0;
    const SyntaxScheme scheme =
        parse(std::string(kHeader) +
                  "Operators { + == }\nKeyWords7 { if then Operators }\nFoo\n"
                  "KeyWords1 { if then }\nKeyWords6 { zeta }\nSingleLineComments { -- }\n"
                  "MultiLineComments { --[[ ]] /* */ dangling }\nUnheard { x }",
              &unknown);
    EXPECT_EQ(unknown, 3) << "KeyWords7, Foo and Unheard: one each, their bodies skipped";
    EXPECT_EQ(scheme.name, "Test");
    EXPECT_TRUE(scheme.highlightOn);
    EXPECT_EQ(scheme.wordList, (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(scheme.colours[4].b, 1.0f);
    EXPECT_EQ(scheme.colours[12].g, 0.5f);
    // Channels outside [0, 1] and words that are no numbers are held in range.
    EXPECT_EQ(scheme.colours[15].r, 1.0f);
    EXPECT_EQ(scheme.colours[15].g, 0.0f);
    EXPECT_EQ(scheme.colours[15].b, 0.0f);
    EXPECT_EQ(scheme.operators, (WordSet{"+", "=="}));
    EXPECT_EQ(scheme.keyWords[0], (WordSet{"if", "then"}));
    EXPECT_EQ(scheme.keyWords[5], (WordSet{"zeta"}));
    EXPECT_EQ(scheme.singleLineComments, (std::vector<std::string>{"--"}));
    EXPECT_EQ(scheme.multiLineComments.size(), 2u) << "the opener without a closer is dropped";
    EXPECT_EQ(scheme.multiLineComments.at("/*"), "*/");
}

TEST(SyntaxFile, TruncatedTextKeepsWhatItHas) {
    EXPECT_EQ(parse("L N H O 1 Words 2000000000 a").wordList, std::vector<std::string>{"a"});
    EXPECT_FALSE(parse("L N H O 2").highlightOn);
    EXPECT_EQ(parse(std::string(kHeader) + "MultiLineComments { /*").multiLineComments.size(), 0u);
}

// ---- Runs --------------------------------------------------------------------

SyntaxScheme luaLike() {
    return parse(std::string(kHeader) +
                 "Operators { = == .. and }\nKeyWords1 { if end }\nKeyWords3 { print }\n"
                 "SingleLineComments { -- }\nMultiLineComments { --[[ ]] }");
}

// Each run as "text:colour", layout characters left out.
std::string runsOf(const std::string& text, const SyntaxScheme& scheme) {
    std::string out;
    SyntaxRuns runs(text, scheme);
    size_t expected = 0;
    for (SyntaxRun run; runs.next(run);) {
        EXPECT_EQ(run.begin, expected) << "runs follow each other";
        EXPECT_GT(run.end, run.begin);
        expected = run.end;
        const std::string piece = text.substr(run.begin, run.end - run.begin);
        if (piece != " " && piece != "\n" && piece != "\t")
            out += piece + ":" + std::to_string(run.colour) + " ";
    }
    EXPECT_EQ(expected, text.size());
    return out;
}

struct RunCase {
    const char* name;
    const char* text;
    const char* runs;
};

class HighlightRuns : public testing::TestWithParam<RunCase> {};

TEST_P(HighlightRuns, ColourEveryTokenClass) {
    EXPECT_EQ(runsOf(GetParam().text, luaLike()), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, HighlightRuns,
    testing::Values(RunCase{"words", "if x_1 and print end", "if:5 x_1:0 and:2 print:7 end:5 "},
                    RunCase{"numbers", "3.25 1x 10..", "3.25:3 1:3 x:0 10..:3 "},
                    RunCase{"operators", "a==b ~ .. =-", "a:0 ==:2 b:0 ~:0 ..:2 =-:0 "},
                    RunCase{"brackets", "f({[]})", "f:0 (:2 {:2 [:2 ]:2 }:2 ):2 "},
                    RunCase{"strings", "\"a \\\" b\" \"x\ny\"", "\"a \\\" b\":4 \"x\ny\":4 "},
                    RunCase{"unterminated string", "s = \"open\nend", "s:0 =:2 \"open\nend:4 "},
                    RunCase{"line comment", "x -- if\nend", "x:0 -- if:12 end:5 "},
                    RunCase{"block comment over lines", "x --[[ if\nend ]] if",
                            "x:0 --[[ if\nend ]]:12 if:5 "},
                    RunCase{"unclosed block", "--[[ a\nb", "--[[ a\nb:12 "},
                    RunCase{"bells and high bytes", "\a\xe9t\xe9", "\a:0 \xe9:0 t:0 \xe9:0 "}),
    [](const testing::TestParamInfo<RunCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

} // namespace
