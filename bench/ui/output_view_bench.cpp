// The script editor's result view with 1 MB in stdout.log, per frame: the
// idle refresh while the log stays the same and while it grows a line a
// frame, against reading the whole log and showing it anew every frame; and
// drawing the view scrolled to the end of 1 MB of output against one line.
// Run under xvfb-run (the controls need the GL window's fonts).
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/gl_window.h"
#include "ui/control.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/script_editor.h"
#include "ui/scroll_bar.h"
#include "ui/syntax_scheme.h"
#include "ui/text_editor.h"

namespace {

using namespace ui;
namespace fs = std::filesystem;

constexpr size_t kLogBytes = size_t{1} << 20;
const std::string kLine = "frame 1234: the quick brown fox jumps over the lazy dog\n";

// A working folder of its own whose stdout.log holds `bytes` of output, and a
// script editor whose result view already shows it.
class OutputScene {
  public:
    explicit OutputScene(size_t bytes) {
        static bool ready = false;
        if (!ready) {
            EnsureGlWindow(1024, 768);
            loadFonts();
            createIconTextures();
            setScreenSize(1024, 768);
            ready = true;
        }
        folder_ =
            fs::temp_directory_path() / ("scriptdesk-output-bench-" + std::to_string(getpid()));
        fs::create_directories(folder_);
        fs::current_path(folder_);
        std::ofstream log("stdout.log", std::ios::binary | std::ios::trunc);
        for (size_t written = 0; written < bytes; written += kLine.size())
            log << kLine;
        log.close();
        // Text is drawn only when a syntax scheme exists.
        if (!syntaxScheme(0)) {
            std::ofstream("plain.syn") << "Language Plain Highlighting On 1 Words 0 Colours";
            loadSyntaxFile("plain.syn");
        }
        editor_ = createControl(LUI_SCRIPT_EDITOR, "bench");
        setSize(editor_, 1000, 700);
        refreshOutputViews();
    }
    ~OutputScene() {
        destroyAllControls();
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(folder_);
    }
    Control* view() const { return scriptEditorResult(editor_); }

  private:
    fs::path folder_;
    Control* editor_ = nullptr;
};

void RefreshUnchangedLog(benchmark::State& state) {
    OutputScene scene(kLogBytes);
    for (auto _ : state)
        refreshOutputViews();
    state.counters["view_bytes"] =
        double(getString(scene.view()) ? strlen(getString(scene.view())) : 0);
}

void RefreshGrowingLog(benchmark::State& state) {
    OutputScene scene(kLogBytes);
    FILE* log = std::fopen("stdout.log", "ab");
    for (auto _ : state) {
        std::fputs(kLine.c_str(), log);
        std::fflush(log);
        refreshOutputViews();
    }
    std::fclose(log);
}

// How a frame went when the whole log was read and shown anew every frame.
void RereadWholeLogEveryFrame(benchmark::State& state) {
    OutputScene scene(kLogBytes);
    for (auto _ : state) {
        std::fflush(stdout);
        std::ifstream in("stdout.log", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        setEditorText(scene.view(), text.str());
    }
}

// The result view scrolled to its end, drawn and waited for.
void DrawResultView(benchmark::State& state) {
    OutputScene scene(static_cast<size_t>(state.range(0)));
    Control* view = scene.view();
    for (Control* child : view->children)
        if (ScrollBarData* bar = scrollBarData(child); bar && !bar->horizontal) {
            setScrollBarPosition(child, 100);
            bar->command.invoke(child);
        }
    for (auto _ : state) {
        drawControlAt(view);
        glFinish();
    }
}

BENCHMARK(RefreshUnchangedLog)->Unit(benchmark::kMicrosecond);
BENCHMARK(RefreshGrowingLog)->Unit(benchmark::kMicrosecond);
BENCHMARK(RereadWholeLogEveryFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawResultView)->Arg(kLogBytes)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
