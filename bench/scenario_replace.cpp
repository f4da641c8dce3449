// S3: replace-all of 1,000,000 matches in 100 MB through EVM_SEARCH, growing
// and shrinking, then one EM_UNDO, each with its paint, against one memmove
// of the text: at most 3 x for the replace-all, 2 x for its undo. Twice the
// matches give the growth exponent. The system's EDIT has no replace-all.
#include <cstring>

#include "bench_controls.h"
#include "bench_support.h"
#include "editview/editview_messages.h"
#include "editview/search/search_request.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

constexpr std::uint32_t kSize = 100 * kMB;
constexpr std::uint32_t kLine = 100;  // CR LF included
constexpr int kRounds = 3;

// Lines of words, each holding "quux" `perLine` times (the words never do).
HGLOBAL TextBlock(int perLine) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, kSize);
    auto* text = static_cast<std::uint8_t*>(GlobalLock(block));
    FillLines(text, kSize, kLine - 2);
    for (std::uint32_t line = 0; line + kLine <= kSize; line += kLine) {
        for (int k = 0; k < perLine; ++k) std::memcpy(text + line + 5 + 48 * k, "quux", 4);
    }
    GlobalUnlock(block);
    return block;
}

struct Timing {
    double replace = kNone, undo = kNone;
};

// The first round takes fresh memory for the undo step and the grown text;
// the median of the later ones is reported.
Timing ReplaceAndUndo(const Editor& editor, const char* with, std::uint32_t matches) {
    SearchRequest request{SEARCH_REPLACE_ALL, 1, 0, "quux", with};
    std::vector<double> replaces, undos;
    for (int i = 0; i <= kRounds; ++i) {
        LRESULT count = 0;
        double replace = Milliseconds([&] {
            count = editor.Send(EVM_SEARCH, reinterpret_cast<WPARAM>(&request));
            editor.Paint();
        });
        if (count != static_cast<LRESULT>(matches)) std::printf("  replaced %ld, not %u\n", count, matches);
        double undo = Milliseconds([&] {
            editor.Send(EM_UNDO);
            editor.Paint();
        });
        PumpMessages();
        if (i == 0) continue;
        replaces.push_back(replace);
        undos.push_back(undo);
    }
    return Timing{Median(replaces), Median(undos)};
}

}  // namespace

void RunReplaceAll(Context& c) {
    const char* withs[2] = {"quuxquux", "qx"};
    const char* names[2] = {"growing (quux -> quuxquux)", "shrinking (quux -> qx)"};
    Timing timings[2][2];
    for (int perLine = 1; perLine <= 2; ++perLine) {
        Editor editor(Kind::kVelmo, false);
        HGLOBAL old = reinterpret_cast<HGLOBAL>(editor.Send(EM_GETHANDLE));
        editor.Send(EVM_SETTEXTHANDLE, reinterpret_cast<WPARAM>(TextBlock(perLine)), kSize);
        GlobalFree(old);
        editor.Paint();
        for (int k = 0; k < 2; ++k) {
            timings[perLine - 1][k] = ReplaceAndUndo(editor, withs[k], perLine * (kSize / kLine));
        }
    }
    const double memmove = c.Memmove(kSize);
    for (int k = 0; k < 2; ++k) {
        Timing one = timings[0][k];
        std::string what = std::string("replace-all ") + names[k] + ", 1 M matches";
        Row replace{"S3", what, "100 MB", one.replace, kNone, memmove, "ms", one.replace / memmove};
        replace.AtMost(3, "<= 3 (x memmove)");
        c.report.Add(replace);
        Row undo{"S3", std::string("its undo, ") + names[k], "100 MB", one.undo, kNone, memmove, "ms",
                 one.undo / memmove};
        undo.AtMost(2, "<= 2 (x memmove)");
        c.report.Add(undo);
        Row exponent{"S3", std::string("growth exponent in the matches, ") + names[k], "1 M -> 2 M",
                     GrowthExponent(one.replace, timings[1][k].replace)};
        c.report.Add(exponent);
    }
}

}  // namespace velmo::bench
