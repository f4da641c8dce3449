#include "editview/file_io.h"

#include <algorithm>

#include "common/text_utils.h"
#include "editview/control_state.h"
#include "editview/document_view.h"

namespace velmo {

namespace {

constexpr DWORD kFileTooLarge = 223;
constexpr std::uint64_t kLargestBlock = 0xFFFFFFFFull;

LRESULT Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

// ReadFile may deliver less than asked; keep reading until all has come.
bool ReadWhole(HANDLE file, std::uint8_t* bytes, DWORD count) {
    while (count > 0) {
        DWORD got = 0;
        if (!ReadFile(file, bytes, count, &got, nullptr)) return false;
        if (got == 0) {
            SetLastError(ERROR_HANDLE_EOF);
            return false;
        }
        bytes += got;
        count -= got;
    }
    return true;
}

bool WriteWhole(HANDLE file, const std::uint8_t* bytes, DWORD count) {
    DWORD written = 0;
    if (!WriteFile(file, bytes, count, &written, nullptr)) return false;
    if (written == count) return true;
    SetLastError(ERROR_WRITE_FAULT);
    return false;
}

// A block for `size` bytes with 64 KiB to spare, or exactly `size` bytes.
BlockHandle AllocateForFile(BlockHeap& heap, DWORD size) {
    std::uint64_t roomy = std::min<std::uint64_t>(std::uint64_t{size} + 65536, kLargestBlock);
    BlockHandle block = heap.Allocate(roomy, true);
    return block != 0 ? block : heap.Allocate(size, true);
}

// Reads the file into a new block; the current document is only replaced
// once every byte has arrived.
LRESULT LoadOpenFile(HANDLE file) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return 0;
    if (static_cast<std::uint64_t>(size.QuadPart) > kLargestBlock) return Fail(kFileTooLarge);
    DWORD length = static_cast<DWORD>(size.QuadPart);
    EditControl& c = Control();
    if (length == 0) {
        c.store.SetText(0, 0);
        AfterDocumentReplaced();
        return 1;
    }
    BlockHeap& heap = c.store.Heap();
    BlockHandle block = AllocateForFile(heap, length);
    if (block == 0) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    bool read = ReadWhole(file, heap.Lock(block), length);
    DWORD error = GetLastError();
    heap.Unlock(block);
    if (!read) {
        heap.Free(block);
        return Fail(error);
    }
    BlockHandle old = c.store.Buffer().handle;
    if (!c.store.TakeText(block, length)) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    heap.Free(old);
    AfterDocumentReplaced();
    return 1;
}

// The folder part of a path ("." when it has none), for the temporary file.
bool FolderOf(const char* path, char (&folder)[kMaxPath]) {
    if (!BoundedCopy(folder, sizeof folder, path)) return false;
    char* name = const_cast<char*>(FileNamePart(folder));
    if (name == folder) return BoundedCopy(folder, sizeof folder, ".");
    *name = '\0';
    return true;
}

bool WriteTemporary(const char* temporary) {
    HANDLE file = CreateFileA(temporary, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    TextStore& store = Control().store;
    bool written = WriteWhole(file, store.Buffer().Lock(store.Heap()), store.Length()) && FlushFileBuffers(file);
    DWORD error = GetLastError();
    store.Buffer().Unlock(store.Heap());
    CloseHandle(file);
    SetLastError(error);
    return written;
}

// The target must be writable as it is (not read-only, not locked by another
// program), just as if it were overwritten in place.
bool TargetWritable(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // a new file
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

LRESULT LoadDocumentFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LRESULT result = LoadOpenFile(file);
    DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return result;
}

// Writes a temporary file beside the target and puts it in the target's place
// in one step, so a failed write never destroys the file already there.
LRESULT SaveDocumentFile(const char* path) {
    char folder[kMaxPath];
    char temporary[kMaxPath];
    if (!FolderOf(path, folder)) return Fail(ERROR_FILENAME_EXCED_RANGE);
    if (!TargetWritable(path)) return 0;
    if (GetTempFileNameA(folder, "vel", 0, temporary) == 0) return 0;
    if (!WriteTemporary(temporary) ||
        !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD error = GetLastError();
        DeleteFileA(temporary);
        return Fail(error);
    }
    Control().store.modified = false;
    return 1;
}

}  // namespace velmo
