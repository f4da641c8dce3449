// Loading and saving through EVM_FILEIO: exact bytes both ways, and failures
// that keep both the document and the file on disk.
#include <string>

#include "editview/editview.h"
#include "test_window.h"

namespace velmo::test {
namespace {

class FileIoTest : public EditViewTest {
protected:
    void SetUp() override {
        EditViewTest::SetUp();
        char base[MAX_PATH];
        GetTempPathA(sizeof base, base);
        folder = std::string(base) + "velmo-fileio-test";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override {
        for (const char* name : {"a.txt", "empty.txt", "locked.txt"}) {
            std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        RemoveDirectoryA(folder.c_str());
        EditViewTest::TearDown();
    }
    std::string PathOf(const char* name) const { return folder + "\\" + name; }
    static void WriteFileBytes(const std::string& path, const std::string& bytes) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    static std::string ReadFileBytes(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        std::string bytes(GetFileSize(file, nullptr), '\0');
        DWORD got;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(file);
        return bytes;
    }
    LRESULT FileIo(WPARAM mode, const std::string& path) {
        return Send(EVM_FILEIO, mode, reinterpret_cast<LPARAM>(path.c_str()));
    }
    std::string folder;
};

TEST_F(FileIoTest, BytesRoundTripUnchanged) {
    std::string bytes("line\r\nlone\rcr\nlf\0nul\r\n\xff\x80 end", 31);
    WriteFileBytes(PathOf("a.txt"), bytes);
    ASSERT_EQ(FileIo(1, PathOf("a.txt")), 1);
    EXPECT_EQ(Text(), bytes);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 3);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
    EXPECT_GE(GlobalSize(reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE))), bytes.size() + 65536);
    DeleteFileA(PathOf("a.txt").c_str());
    Send(EM_SETMODIFY, 1);
    ASSERT_EQ(FileIo(2, PathOf("a.txt")), 1);
    EXPECT_EQ(ReadFileBytes(PathOf("a.txt")), bytes);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
}

TEST_F(FileIoTest, EmptyFileLoadsAsEmptyUnmodifiedDocument) {
    SetText("old text");
    WriteFileBytes(PathOf("empty.txt"), "");
    ASSERT_EQ(FileIo(1, PathOf("empty.txt")), 1);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
}

TEST_F(FileIoTest, MissingFileKeepsTheDocument) {
    SetText("still here\r\n");
    Send(EM_SETMODIFY, 1);
    SetLastError(0);
    EXPECT_EQ(FileIo(1, PathOf("nothing.txt")), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Text(), "still here\r\n");
    EXPECT_EQ(Send(EM_GETMODIFY), 1);
}

TEST_F(FileIoTest, FailedSaveLeavesTheOldFileWhole) {
    WriteFileBytes(PathOf("locked.txt"), "precious");
    SetFileAttributesA(PathOf("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetText("new words");
    Send(EM_SETMODIFY, 1);
    EXPECT_EQ(FileIo(2, PathOf("locked.txt")), 0);
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_EQ(ReadFileBytes(PathOf("locked.txt")), "precious");
    EXPECT_EQ(Send(EM_GETMODIFY), 1);
    // No temporary file is left behind.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\vel*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(FileIoTest, SaveIntoMissingFolderFails) {
    SetText("x");
    EXPECT_EQ(FileIo(2, folder + "\\no-such-folder\\a.txt"), 0);
    EXPECT_EQ(FileIo(2, std::string(300, 'p')), 0);  // longer than any path
}

TEST_F(FileIoTest, NewDocumentMode) {
    SetText("abc");
    EXPECT_EQ(Send(EVM_FILEIO, 0, 0), 1);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
}

}  // namespace
}  // namespace velmo::test
