#include <gtest/gtest.h>

#include <string>

#include "script/script_host.h"

namespace {

class RunnersTest : public ::testing::Test {
protected:
    void SetUp() override {
        state = lua_open();
        OpenStandardLibraries(state);
    }
    void TearDown() override { lua_close(state); }

    // Runs the chunks in order; returns standard error.
    std::string Errors(std::initializer_list<const char*> chunks) {
        ::testing::internal::CaptureStderr();
        for (const char* chunk : chunks) RunString(state, chunk);
        return ::testing::internal::GetCapturedStderr();
    }
    std::string Global(const char* name) {
        lua_getglobal(state, name);
        std::string value = lua_isstring(state, -1) ? lua_tostring(state, -1) : "nil";
        lua_pop(state, 1);
        return value;
    }

    lua_State* state = nullptr;
};

TEST_F(RunnersTest, ErrorsEndOnlyTheirChunkAndGoToStandardError) {
    EXPECT_EQ(Errors({"a = 1 error('boom') a = 2", "b = os.time and 'ran'", "x = = 1"}),
                     "[string \"a = 1 error('boom') a = 2\"]:1: boom\n"
                     "[string \"x = = 1\"]:1: unexpected symbol near '='\n");
    EXPECT_EQ(Global("a"), "1");
    EXPECT_EQ(Global("b"), "ran");
    EXPECT_EQ(lua_gettop(state), 0);
}

// _ALERT takes the message instead; a non-string error or a failing _ALERT is
// still reported.
TEST_F(RunnersTest, AScriptDefinedAlertReceivesTheMessageInstead) {
    EXPECT_EQ(Errors({"function _ALERT(m) caught = m end", "error('oops', 0)", "after = 'yes'"}), "");
    EXPECT_EQ(Global("caught"), "oops");
    EXPECT_EQ(Global("after"), "yes");
    EXPECT_EQ(Errors({"_ALERT = nil error({})"}), "(error object is a table value)\n");
    EXPECT_EQ(Errors({"function _ALERT(m) error('alert broke', 0) end", "error('first', 0)"}),
              "alert broke\n");
}

TEST_F(RunnersTest, FilesRunAndReportWithTheirName) {
    const char* path = "runners_test_chunk.lua";
    FILE* file = fopen(path, "w");
    fputs("fromFile = 'yes'\nlocal t = nil\nprint(t.x)\n", file);
    fclose(file);
    ::testing::internal::CaptureStderr();
    EXPECT_NE(RunFile(state, path), 0);
    EXPECT_NE(RunFile(state, "no-such-file.lua"), 0);
    std::string errors = ::testing::internal::GetCapturedStderr();
    remove(path);
    EXPECT_EQ(Global("fromFile"), "yes");
    EXPECT_EQ(errors, "runners_test_chunk.lua:3: attempt to index local 't' (a nil value)\n"
                      "cannot open no-such-file.lua: No such file or directory\n");
}

} // namespace
