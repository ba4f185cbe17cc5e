#include <gtest/gtest.h>

#include <filesystem>

#include "app/plugin_library.h"
#include "support/script_run.h"

namespace {

const std::string kLibs = TEST_LIBS_DIR;

TEST(PluginLibrary, AMissingLibraryPrintsItsBaseNameAndYieldsNoExports) {
    PluginLibrary library;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(library.Load("TestDll"));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "[ERROR] Unable to load dll TestDll\n");
    EXPECT_EQ(library.GetExport("cunt"), nullptr);
    EXPECT_FALSE(library.Free());
}

TEST(PluginLibrary, ANameTooLongForTheBufferIsRefusedWithTheSameMessage) {
    std::string name(2000, 'x');
    PluginLibrary library;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(library.Load(name.c_str()));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "[ERROR] Unable to load dll " + name + "\n");
}

TEST(PluginLibrary, ALoadedLibraryGivesItsExportsUntilFreed) {
    PluginLibrary library;
    ASSERT_TRUE(library.Load((kLibs + "/hook_library").c_str()));
    EXPECT_NE(library.GetExport("cunt"), nullptr);
    EXPECT_EQ(library.GetExport("missing"), nullptr);
    EXPECT_TRUE(library.Free());
    EXPECT_FALSE(library.Free());
}

// The shell looks for "TestDll" in the working folder at start-up and calls its hook once.
TEST(StartupHook, TheHookInTheWorkingFolderIsCalledOnceBeforeStartUp) {
    std::string dir = MakeWorkDir();
    std::filesystem::copy_file(kLibs + "/hook_library.so", dir + "/TestDll.so");
    WriteFile(dir + "/script.lua", "print('running')\n");
    ASSERT_EQ(RunCommand(std::string("'") + SCRIPTDESK_RUN_PATH + "' script.lua >console.txt", dir), 0);
    EXPECT_EQ(ReadFile(dir + "/hook-called.txt"), "called\n");
    EXPECT_EQ(ReadFile(dir + "/console.txt").find("Unable to load dll"), std::string::npos);
}

TEST(StartupHook, WithoutTheLibraryOrItsExportStartUpGoesOn) {
    ScriptRunResult missing = RunScript("print('running')");
    EXPECT_EQ(missing.exitStatus, 0);
    EXPECT_EQ(missing.console.rfind("[ERROR] Unable to load dll TestDll\n", 0), 0u);
    EXPECT_NE(missing.stdoutLog.find("running\n"), std::string::npos);

    std::string dir = MakeWorkDir();
    std::filesystem::copy_file(kLibs + "/hook_library_without_export.so", dir + "/TestDll.so");
    WriteFile(dir + "/script.lua", "print('running')\n");
    ASSERT_EQ(RunCommand(std::string("'") + SCRIPTDESK_RUN_PATH + "' script.lua >console.txt", dir), 0);
    EXPECT_EQ(ReadFile(dir + "/console.txt").find("Unable to load dll"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir + "/hook-called.txt"));
}

} // namespace
