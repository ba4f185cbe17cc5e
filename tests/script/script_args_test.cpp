#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/script_args.h"
#include "script/script_host.h"

namespace {

// What a probe function saw of its arguments, one line per call.
std::vector<std::string> seen;

int ProbeNumbers(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    char line[256];
    snprintf(line, sizeof line, "byte=%u short=%u int=%d double=%g string=%s",
             ScriptArgs::GetByte(0), ScriptArgs::GetShort(1), ScriptArgs::GetInt(2),
             ScriptArgs::GetDouble(0), ScriptArgs::GetString(1) ? ScriptArgs::GetString(1) : "null");
    seen.push_back(line);
    ScriptArgs::PushInt(state, ScriptArgs::GetInt(2));
    ScriptArgs::PushFloat(state, 0.5f);
    ScriptArgs::PushBool(state, true);
    return ScriptArgs::End();
}

int ProbeString(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    const char* text = ScriptArgs::GetString(0);
    seen.push_back(text ? std::string("string:") + text : "null, number " +
                                                              std::to_string(ScriptArgs::GetDouble(0)));
    return ScriptArgs::End();
}

class ScriptArgsTest : public ::testing::Test {
protected:
    void SetUp() override {
        seen.clear();
        state = lua_open();
        OpenStandardLibraries(state);
        SetScriptState(state);
        RegisterGlobalFunction("ProbeNumbers", ProbeNumbers);
        RegisterGlobalFunction("ProbeString", ProbeString);
    }
    void TearDown() override { lua_close(state); }

    std::string Run(const char* text) {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        RunString(state, text);
        fflush(stdout);
        std::string errors = ::testing::internal::GetCapturedStderr();
        return ::testing::internal::GetCapturedStdout() + errors;
    }

    lua_State* state = nullptr;
};

TEST_F(ScriptArgsTest, WrongCountPrintsTheErrorAndReturnsNothing) {
    EXPECT_EQ(Run("r = ProbeNumbers(1, 2)"), "[ERROR] Incorrect Number of arguments specified\n");
    EXPECT_EQ(Run("r = ProbeNumbers(1, 2, 3, 4)"),
              "[ERROR] Incorrect Number of arguments specified\n");
    EXPECT_EQ(Run("assert(r == nil)"), "");
    EXPECT_TRUE(seen.empty());
    // The next call with the right count works as if nothing had happened.
    EXPECT_EQ(Run("a, b, c = ProbeNumbers(7, 8, 9) assert(a == 9 and b == 0.5 and c == true)"), "");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "byte=7 short=8 int=9 double=7 string=null");
    // Getters past the last argument give their defaults.
    ASSERT_TRUE(ScriptArgs::Begin(state, 0));
    EXPECT_EQ(ScriptArgs::GetInt(0), 0);
    EXPECT_EQ(ScriptArgs::GetDouble(-1), 0.0);
    EXPECT_EQ(ScriptArgs::GetString(3), nullptr);
    EXPECT_EQ(ScriptArgs::End(), 0);
}

TEST_F(ScriptArgsTest, NumbersTruncateTowardZeroAndKeepTheirLowBits) {
    Run("ProbeNumbers(3.9, -1, -3.9)");
    Run("ProbeNumbers(257, 65537, 3.9)");
    Run("ProbeNumbers(-1, 1e300, 4294967297)");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], "byte=3 short=65535 int=-3 double=3.9 string=null");
    EXPECT_EQ(seen[1], "byte=1 short=1 int=3 double=257 string=null");
    EXPECT_EQ(seen[2], "byte=255 short=0 int=1 double=-1 string=null");
}

TEST_F(ScriptArgsTest, NumericStringsBooleansAndTablesAreReadAsNumbers) {
    Run("ProbeNumbers('12', '34', {})");
    Run("ProbeNumbers(true, false, nil)");
    Run("ProbeString('123')");
    Run("ProbeString('abc')");
    Run("ProbeString({})");
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0], "byte=12 short=34 int=0 double=12 string=null");
    EXPECT_EQ(seen[1], "byte=1 short=0 int=0 double=1 string=null");
    EXPECT_EQ(seen[2], "null, number 123.000000");
    EXPECT_EQ(seen[3], "string:abc");
    EXPECT_EQ(seen[4], "null, number 0.000000");
}

TEST_F(ScriptArgsTest, LibrariesAndGlobalsAreReachableFromScripts) {
    static const luaL_reg functions[] = {{"Probe", ProbeString}, {nullptr, nullptr}};
    RegisterLibrary("Test", functions);
    RegisterLibrary("Test", functions); // reusing the table keeps it working
    EXPECT_EQ(Run("Test.Probe('lib') ProbeString('global')"), "");
    EXPECT_EQ(seen, (std::vector<std::string>{"string:lib", "string:global"}));
    EXPECT_EQ(lua_gettop(state), 0);
}

} // namespace
