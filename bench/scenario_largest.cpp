// On request: the largest file of 80-column lines that opens and stays
// editable (typed keys at its end and start, undone, and a jump to the end
// painted), growing in steps from 1 GB. The first size that does not open
// must be refused with ERROR_NOT_ENOUGH_MEMORY while a small document stays.
#include "bench_controls.h"
#include "bench_support.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

// Typing at both ends, undoing it, and Ctrl+End with its paint.
bool StaysEditable(const Editor& editor, std::uint32_t size) {
    for (std::uint32_t at : {size, 0u}) {
        editor.Select(at, at);
        for (char ch : {'a', 'b', 'c'}) editor.Send(WM_CHAR, static_cast<WPARAM>(ch), 1);
    }
    bool typed = editor.Length() == size + 6;
    while (editor.Send(EM_CANUNDO) != 0) editor.Send(EM_UNDO);
    editor.Key(VK_END, true);
    editor.Paint();
    PumpMessages();
    return typed && editor.Length() == size && editor.Send(EM_GETMODIFY) != 0;
}

}  // namespace

void RunLargest(Context& c) {
    const std::uint32_t sizes[] = {1024 * kMB, 1536 * kMB, 1792 * kMB, 2048 * kMB, 2560 * kMB, 3072 * kMB};
    Editor editor(Kind::kVelmo, false);
    for (std::uint32_t size : sizes) {
        std::string path = c.files.Lines(size, 80);
        editor.Clear();
        bool opened = false;
        double ms = Milliseconds([&] { opened = editor.Open(path); });
        DWORD error = GetLastError();
        bool editable = opened && StaysEditable(editor, size);
        c.report.Add(Row{"largest", opened ? (editable ? "opens and stays editable" : "opens, NOT editable")
                                           : "refused (error " + std::to_string(error) + ")",
                         SizeText(size), opened ? ms : kNone});
        DeleteFileA(path.c_str());
        if (opened) continue;
        std::string small = c.files.Lines(kMB, 80);
        editor.Open(small);
        path = c.files.Lines(size, 80);
        bool refused = !editor.Open(path) && GetLastError() == ERROR_NOT_ENOUGH_MEMORY;
        bool kept = editor.Length() == kMB;
        c.report.Add(Row{"largest", std::string(refused ? "refused for memory" : "NOT refused for memory") +
                                        (kept ? ", the open 1 MB document kept" : ", the open document LOST"),
                         SizeText(size)});
        break;
    }
}

}  // namespace velmo::bench
