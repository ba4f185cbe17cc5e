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

// Runs the system in a folder holding the given library as "TestDll.so".
std::string RunWithHookLibrary(const std::string& library) {
    std::string dir = MakeWorkDir();
    if (!library.empty()) std::filesystem::copy_file(kLibs + "/" + library, dir + "/TestDll.so");
    WriteFile(dir + "/script.lua", "print('running')\n");
    EXPECT_EQ(RunCommand(std::string("'") + SCRIPTDESK_RUN_PATH + "' script.lua >console.txt", dir), 0);
    EXPECT_NE(ReadFile(dir + "/stdout.log").find("running\n"), std::string::npos);
    return dir;
}

bool ReportedMissing(const std::string& dir) {
    return ReadFile(dir + "/console.txt").find("[ERROR] Unable to load dll TestDll\n") == 0;
}

// The shell looks for "TestDll" at start-up (here in the working folder), calls
// its hook once, and goes on without it when it or its export is missing.
TEST(StartupHook, IsCalledOnceWhenPresentAndOptional) {
    std::string withHook = RunWithHookLibrary("hook_library.so");
    EXPECT_EQ(ReadFile(withHook + "/hook-called.txt"), "called\n");
    EXPECT_FALSE(ReportedMissing(withHook));

    std::string withoutExport = RunWithHookLibrary("hook_library_without_export.so");
    EXPECT_FALSE(std::filesystem::exists(withoutExport + "/hook-called.txt"));
    EXPECT_FALSE(ReportedMissing(withoutExport));

    EXPECT_TRUE(ReportedMissing(RunWithHookLibrary("")));
}

} // namespace
