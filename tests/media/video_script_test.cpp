#include <gtest/gtest.h>

#include "avi_test_file.h"
#include "support/script_run.h"

TEST(AviScript, OpensQueriesAndClosesThroughTheRealStartUp) {
    ScriptRunOptions options;
    options.frames = 12;
    options.frameTime = 0.15;
    options.files = {{"clip.avi", MakeUncompressedAvi(64, 48, 10, 10)},
                     {"broken.avi", std::string(500, 'x')}};
    ScriptRunResult result = RunScript(R"(
local id = Avi.Open("clip.avi", 100, 64)
print(id, Avi.Width(id), Avi.Height(id), Avi.IsPlaying(id))
print(Avi.Open("clip.avi", 64, 64, true))
print(Avi.Open("broken.avi", 64, 64))
Avi.Close(2)
Avi.Open("clip.avi")
print("not reached")
)",
                                       options);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.stdoutLog.find("1\t64\t48\ttrue\n"
                                    "2\n"
                                    "File Corrupt or Not In Existance! broken.avi\n"
                                    "\tCAvi::~CAvi\n"
                                    "0\n"
                                    "AviClose\nCAvi::Close\n\tCAvi::Close2\n\tCAvi::~CAvi\n"
                                    "\tAviCloseEnd\n"),
              std::string::npos)
        << result.stdoutLog;
    EXPECT_EQ(result.stdoutLog.find("not reached"), std::string::npos);
    EXPECT_NE(result.errors.find("ERROR: Avi.Open() - Incorrect number of arguments\n"),
              std::string::npos)
        << result.errors;
    // Video 1 plays through every frame pass and the exit handler still reports.
    EXPECT_NE(result.stdoutLog.find("Avi Cleanup\n"), std::string::npos);
}
