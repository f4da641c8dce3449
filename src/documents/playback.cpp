#include "documents/playback.h"

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "common/memory_blocks.h"
#include "documents/document_context.h"
#include "documents/document_files.h"
#include "resource_ids.h"
#include "settings/message_boxes.h"

namespace velmo {

namespace {

constexpr DWORD kKeyPause = 150;     // ms after each typed byte
constexpr UINT kReplyWait = 1000;    // ms the worker waits for a key to be taken
constexpr DWORD kWaitSlice = 50;     // ms between looks at sent messages while waiting for the worker
constexpr std::uint64_t kLargestFile = 0xFFFFFFFFull;

// The one playback of the process. The user-interface thread fills it in
// before the worker starts; the worker then owns the block and releases it.
struct Playback {
    std::atomic<bool> running{false};
    HANDLE worker = nullptr;
    HWND edit = nullptr;
    BlockHandle block = 0;
    std::uint32_t count = 0;
};

Playback& State() {
    static Playback playback;
    return playback;
}

DWORD LastErrorOr(DWORD fallback) {
    DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

// Each key is typed before the next is sent. The wait is bounded so that the
// worker can still see a stop requested from inside the handling of one of
// its own keys, where the user-interface thread cannot take the next.
void Send(HWND edit, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(edit, message, wParam, 0, SMTO_NORMAL, kReplyWait, &result);
}

// CR LF is one Enter, without a pause; a lone CR is skipped; every other byte
// is typed and followed by the pause.
void TypeBytes(Playback& p, const std::uint8_t* bytes) {
    std::uint32_t i = 0;
    while (bytes != nullptr && i < p.count && p.running.load()) {
        if (bytes[i] == '\r') {
            bool pair = i + 1 < p.count && bytes[i + 1] == '\n';
            if (pair) Send(p.edit, WM_CHAR, '\r');
            i += pair ? 2 : 1;
            continue;
        }
        Send(p.edit, WM_CHAR, bytes[i++]);
        Sleep(kKeyPause);
    }
}

DWORD WINAPI PlaybackWorker(LPVOID) {
    Playback& p = State();
    BlockHeap& heap = SystemHeap();
    TypeBytes(p, heap.Lock(p.block));
    heap.Unlock(p.block);
    p.running.store(false);
    // What was typed is the document as loaded: unchanged, nothing to undo.
    Send(p.edit, EM_SETMODIFY, 0);
    Send(p.edit, EM_EMPTYUNDOBUFFER, 0);
    heap.Free(p.block);
    return 0;
}

// Waits for the worker to end while handling the messages it sends, so that
// a worker inside SendMessage is never left waiting for this thread.
void WaitForWorker() {
    Playback& p = State();
    HANDLE worker = p.worker;
    if (worker == nullptr) return;
    for (;;) {
        DWORD woken = MsgWaitForMultipleObjects(1, &worker, FALSE, kWaitSlice, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) break;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (p.worker != worker) return;  // a stop inside one of the worker's keys has already closed it
    CloseHandle(worker);
    p.worker = nullptr;
}

// The whole file into a zero-filled block one byte longer; 0 or the error.
DWORD ReadOpenFile(HANDLE file, Playback& p) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return LastErrorOr(ERROR_READ_FAULT);
    if (static_cast<std::uint64_t>(size.QuadPart) > kLargestFile) return ERROR_FILE_TOO_LARGE;
    auto count = static_cast<std::uint32_t>(size.QuadPart);
    BlockHeap& heap = SystemHeap();
    BlockHandle block = heap.Allocate(std::uint64_t{count} + 1, true);
    if (block == 0) return ERROR_NOT_ENOUGH_MEMORY;
    DWORD got = 0;
    DWORD error = 0;
    if (!ReadFile(file, heap.Lock(block), count, &got, nullptr)) {
        error = LastErrorOr(ERROR_READ_FAULT);
    } else if (got != count) {
        error = ERROR_HANDLE_EOF;  // the file shrank while it was read
    }
    heap.Unlock(block);
    if (error != 0) {
        heap.Free(block);
        return error;
    }
    p.block = block;
    p.count = count;
    return 0;
}

DWORD ReadPlaybackFile(const char* path, Playback& p) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastErrorOr(ERROR_OPEN_FAILED);
    DWORD error = ReadOpenFile(file, p);
    CloseHandle(file);
    return error;
}

// Reads the file and starts the worker on it; 0 or the error.
DWORD BeginPlayback(const char* path) {
    Playback& p = State();
    DWORD error = ReadPlaybackFile(path, p);
    if (error != 0) return error;
    if (p.count == 0) {
        SystemHeap().Free(p.block);  // nothing to type
        return 0;
    }
    p.edit = Documents().editView;
    p.running.store(true);  // before the worker exists, so that a second start is refused at once
    p.worker = CreateThread(nullptr, 0, PlaybackWorker, nullptr, 0, nullptr);
    if (p.worker != nullptr) return 0;
    error = LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    p.running.store(false);
    SystemHeap().Free(p.block);
    return error;
}

}  // namespace

void StartPlayback() {
    const DocumentContext& d = Documents();
    if (PlaybackRunning()) {
        ShowStringBox(d.mainWindow, IDS_PLAYBACK_RUNNING, 0, MB_OK | MB_ICONINFORMATION);
        return;
    }
    WaitForWorker();  // a stopped worker may still be sending its last messages
    if (!d.confirmDiscard()) return;
    char chosen[kMaxPath];
    BoundedCopy(chosen, sizeof chosen, *d.documentPath);
    if (!ChooseFile(FileDialogKind::kOpen, chosen)) return;
    MakeEmptyDocument();
    DWORD error = BeginPlayback(chosen);
    if (error == 0) {
        AdoptLoadedFile(chosen);
        return;
    }
    ReportLoadError(error, chosen);
    // The document is empty now: under its old name a save would empty that file.
    d.setUntitledTitle();
    *d.untitled = true;
}

bool PlaybackRunning() { return State().running.load(); }

bool StopPlayback() {
    bool wasRunning = State().running.exchange(false);
    WaitForWorker();
    return wasRunning;
}

}  // namespace velmo
