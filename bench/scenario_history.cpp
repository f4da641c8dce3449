// S6: a long editing session on 100 MB. 100,000 typed characters (a line
// break every 64) and 1,000 pastes of 64 KB near the end of the text, then
// every step undone, every step redone, and the document saved. The histories
// may hold 1.2 x the bytes the edits changed + 16 bytes a step; undo-all,
// redo-all and the save may take 1 s each, and the saved bytes must be
// exactly the edited text. Velmo only: the system's EDIT keeps one undo step.
#include <cstring>
#include <vector>

#include "bench_controls.h"
#include "bench_support.h"
#include "editview/control_state.h"
#include "editview/editview_messages.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

constexpr std::uint32_t kSize = 100 * kMB;
constexpr int kTyped = 100000, kPasteEvery = 100;
constexpr std::uint32_t kPasteBytes = 65536;

void PutOnClipboard(HWND owner) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, kPasteBytes + 1);
    auto* text = static_cast<std::uint8_t*>(GlobalLock(block));
    FillLines(text, kPasteBytes, 80, 99);
    text[kPasteBytes] = 0;
    GlobalUnlock(block);
    OpenClipboard(owner);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

std::vector<std::uint8_t> DocumentBytes(const Editor& editor) {
    auto block = reinterpret_cast<HGLOBAL>(editor.Send(EM_GETHANDLE));
    auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(block));
    std::vector<std::uint8_t> copy(bytes, bytes + editor.Length());
    GlobalUnlock(block);
    return copy;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<std::uint8_t> bytes(GetFileSize(file, nullptr));
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    return bytes;
}

double HistoryBytes() {
    const TextStore& store = Control().store;
    double bytes = 0;
    for (const UndoStore* history : {&store.Undo(), &store.Redo()}) {
        bytes += history->PoolSize() + static_cast<double>(history->RecordCapacity()) * sizeof(UndoRecord);
    }
    return bytes;
}

// Typed keys and pastes; returns how many steps they made.
int Edit(const Editor& editor) {
    PutOnClipboard(editor.Window());
    std::uint32_t at = editor.Length() - 16 * 1024;
    editor.Select(at, at);
    for (int i = 1; i <= kTyped; ++i) {
        editor.Send(WM_CHAR, i % 64 == 0 ? '\r' : 'a' + i % 26, 1);
        if (i % kPasteEvery == 0) editor.Send(WM_PASTE);
        if (i % 1000 == 0) PumpMessages();
    }
    return kTyped + kTyped / kPasteEvery;
}

double StepAll(const Editor& editor, UINT can, UINT step) {
    return Milliseconds([&] {
        while (editor.Send(can) != 0) editor.Send(step);
        editor.Paint();
    });
}

// One write of the bytes to a new file, flushed, as a save must do at least.
double WriteBaseline(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return Milliseconds([&] {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        FlushFileBuffers(file);
        CloseHandle(file);
    });
}

}  // namespace

void RunHistory(Context& c) {
    std::string path = c.files.Lines(kSize, 80);
    Editor editor(Kind::kVelmo, false);
    if (!editor.Open(path)) return;
    const std::vector<std::uint8_t> original = FileBytes(path);
    double editing = 0;
    int steps = 0;
    editing = Milliseconds([&] { steps = Edit(editor); });
    const std::vector<std::uint8_t> edited = DocumentBytes(editor);
    const double changed = kTyped + static_cast<double>(kTyped / kPasteEvery) * kPasteBytes;
    c.report.Add(Row{"S6", "100,000 typed keys and 1,000 pastes of 64 KB", "100 MB", editing, kNone, kNone, "ms"});
    double undoAll = StepAll(editor, EM_CANUNDO, EM_UNDO);
    bool undone = DocumentBytes(editor) == original;
    double allowed = 1.2 * changed + 16.0 * steps;
    Row memory{"S6", "history memory after undo-all (1.2 x changed bytes + 16 B a step)", "100 MB",
               HistoryBytes() / kMB, kNone, allowed / kMB, "MB", HistoryBytes() / allowed};
    memory.AtMost(1, "<= 1");
    c.report.Add(memory);
    Row undo{"S6", undone ? "undo all" : "undo all (TEXT DIFFERS)", "100 MB", undoAll, kNone, kNone, "ms",
             undoAll / 1000.0};
    undo.AtMost(undone ? 1 : -1, "<= 1 (1 s)");
    c.report.Add(undo);
    double redoAll = StepAll(editor, EVM_CANREDO, EVM_REDO);
    bool redone = DocumentBytes(editor) == edited;
    Row redo{"S6", redone ? "redo all" : "redo all (TEXT DIFFERS)", "100 MB", redoAll, kNone, kNone, "ms",
             redoAll / 1000.0};
    redo.AtMost(redone ? 1 : -1, "<= 1 (1 s)");
    c.report.Add(redo);
    std::string saved = c.files.PathFor("saved.txt");
    double save = Milliseconds([&] { editor.Send(EVM_FILEIO, 2, reinterpret_cast<LPARAM>(saved.c_str())); });
    bool exact = FileBytes(saved) == edited;
    double baseline = WriteBaseline(c.files.PathFor("written.txt"), edited);
    Row saving{"S6", exact ? "save, bytes exact" : "save (BYTES DIFFER)", SizeText(edited.size()), save, kNone,
               baseline, "ms", save / 1000.0};
    saving.AtMost(exact ? 1 : -1, "<= 1 (1 s)");
    c.report.Add(saving);
}

}  // namespace velmo::bench
