// Feeds arbitrary text to the syntax file reader, then highlights the same
// text with the scheme it gave: the runs must cover the text exactly, in
// order, each in a colour slot the scheme has.
#include <cstdlib>
#include <string_view>

#include "ui/syntax_highlight.h"
#include "ui/syntax_scheme.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int unknownSections = 0;
    const ui::SyntaxScheme scheme = ui::parseSyntaxScheme(text, unknownSections);
    ui::SyntaxRuns runs(text, scheme);
    size_t covered = 0;
    for (ui::SyntaxRun run; runs.next(run); covered = run.end)
        if (run.begin != covered || run.end <= run.begin || run.end > size || run.colour < 0 ||
            run.colour >= ui::kSyntaxColourCount)
            std::abort();
    if (covered != size) std::abort();
    return 0;
}
