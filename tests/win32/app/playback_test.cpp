// Typing playback through the real main window: what the worker types, the
// title meanwhile, and that whatever replaces, saves or closes the document
// stops the worker before it goes on.
#include <gtest/gtest.h>

#include <string>

#include "common/memory_blocks.h"
#include "documents/document_files.h"
#include "documents/playback.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"
#include "settings/message_boxes.h"

namespace velmo::test {
namespace {

constexpr DWORD kPause = 150;  // the worker's pause after a typed byte

class PlaybackTest : public MainFrameTest {
protected:
    void TearDown() override {
        MainFrameTest::TearDown();
        ASSERT_FALSE(PlaybackRunning());
    }

    // Starts typing `bytes` from a file of that name and waits for a first key.
    void Play(const char* name, const std::string& bytes) {
        DialogChoice() = WriteTestFile(name, bytes);
        Command(IDM_PLAYBACK);
        ASSERT_TRUE(PlaybackRunning());
        ASSERT_TRUE(WaitUntil([&] { return !Text().empty(); }));
    }
};

TEST_F(PlaybackTest, TypesEachByteAsAKeyAndEndsUnmodifiedWithNothingToUndo) {
    Start();
    Type("draft");
    Answers() = {IDNO};  // the draft may go
    Play("play.txt", "a\tb\r\nc\rd\n");
    std::string path = DialogChoice();
    EXPECT_EQ(Edit(EM_GETMODIFY), 1);
    EXPECT_EQ(Title(), "Velmo 2 - play.txt");  // no modified mark while it types
    // A second start is refused while it runs; the first goes on.
    DialogChoice() = WriteTestFile("other.txt", "other");
    Command(IDM_PLAYBACK);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].text,
              "A typing playback is already running. Wait until it ends, or stop it with Exit (Ctrl+Q).");
    EXPECT_EQ(Asked()[1].caption, "Velmo 2");
    ASSERT_TRUE(WaitUntil([] { return !PlaybackRunning(); }));
    StopPlayback();  // lets the worker's last messages in
    // CR LF is one Enter, a lone CR is skipped, a lone LF is typed.
    EXPECT_EQ(Text(), "a\tb\r\ncd\n");
    EXPECT_EQ(Edit(EM_GETMODIFY), 0);
    EXPECT_EQ(Edit(EM_CANUNDO), 0);
    EXPECT_EQ(Title(), "Velmo 2 - play.txt");
    EXPECT_FALSE(App().untitled);
    EXPECT_EQ(IniValue("MRU0"), path);
}

// What a command leaves once it has stopped the playback.
struct StopCase {
    const char* name;
    UINT message;
    WPARAM command;
    const char* dialogFile;  // what the open or save dialog chooses, if it is shown
    const char* textAfter;   // the document afterwards; null: what had been typed
    const char* savedFile;   // a file that must hold what had been typed
};

void PrintTo(const StopCase& c, std::ostream* out) { *out << c.name; }

class PlaybackStopTest : public PlaybackTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(PlaybackStopTest, NoKeyFollowsTheCommand) {
    const StopCase& c = GetParam();
    Start();
    std::string other = WriteTestFile("other.txt", "other");
    ASSERT_TRUE(LoadDocument(other.c_str()));  // the second recent entry once the playback starts
    const std::string played = "abcdefghijklmnopqrstuvwxyz0123456789";
    Play("played.txt", played);
    HWND main = App().mainWindow;
    DialogChoice() = c.dialogFile != nullptr ? folder.path() + c.dialogFile : "";
    SendMessageA(main, c.message, c.command, 0);
    EXPECT_FALSE(PlaybackRunning());
    EXPECT_TRUE(Asked().empty());  // the stopped playback left the document unmodified
    if (c.message == WM_CLOSE) {
        EXPECT_FALSE(IsWindow(main));
        return;
    }
    std::string text = Text();
    DWORD stopped = GetTickCount();
    WaitUntil([&] { return GetTickCount() - stopped >= 3 * kPause; });
    EXPECT_EQ(Text(), text);
    if (c.textAfter != nullptr) {
        EXPECT_EQ(text, c.textAfter);
    } else {
        EXPECT_LT(text.size(), played.size());
        EXPECT_EQ(played.substr(0, text.size()), text);
    }
    if (c.savedFile != nullptr) {
        EXPECT_EQ(FileBytes(folder.path() + c.savedFile), text);
    }
    EXPECT_EQ(Edit(EM_GETMODIFY), 0);
    EXPECT_EQ(Edit(EM_CANUNDO), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PlaybackStopTest,
    ::testing::Values(StopCase{"UnlistedCommand", WM_COMMAND, IDM_EXIT, nullptr, nullptr, nullptr},
                      StopCase{"New", WM_COMMAND, IDM_NEW, nullptr, "", nullptr},
                      StopCase{"Open", WM_COMMAND, IDM_OPEN, "other.txt", "other", nullptr},
                      StopCase{"Recent", WM_COMMAND, IDM_RECENT_FIRST + 1, nullptr, "other", nullptr},
                      StopCase{"Save", WM_COMMAND, IDM_SAVE, nullptr, nullptr, "played.txt"},
                      StopCase{"SaveAs", WM_COMMAND, IDM_SAVE_AS, "saved.txt", nullptr, "saved.txt"},
                      StopCase{"Close", WM_CLOSE, 0, nullptr, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// A file of `size` zero bytes that takes no room on the disk.
void MakeSparseFile(const std::string& path, std::int64_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = size;
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file)) << path;
    CloseHandle(file);
}

TEST_F(PlaybackTest, UnreadableFileLeavesAnEmptyUntitledDocument) {
    struct Case {
        const char* name;
        std::int64_t size;  // of the file made under that name; -1: none
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"missing", -1, "The file % was not found.", "Velmo 2"},
        {"4GiB", 0x100000000LL, "The file is too large.", "Error"},
        {"4GiB-1", 0xFFFFFFFFLL, "Not enough memory.", "Error"},
    };
    Start();
    std::string named = WriteTestFile("named.txt", "kept on disk");
    for (const Case& c : cases) {
        ASSERT_TRUE(LoadDocument(named.c_str()));
        DialogChoice() = folder.path() + c.name;
        if (c.size >= 0) MakeSparseFile(DialogChoice(), c.size);
        Asked().clear();
        Command(IDM_PLAYBACK);
        DeleteFileA(DialogChoice().c_str());
        ASSERT_EQ(Asked().size(), 1u) << c.name;
        std::string expected = c.text;
        if (expected.find('%') != std::string::npos) expected.replace(expected.find('%'), 1, DialogChoice());
        EXPECT_EQ(Asked()[0].text, expected) << c.name;
        EXPECT_EQ(Asked()[0].caption, c.caption) << c.name;
        EXPECT_EQ(Text(), "") << c.name;
        EXPECT_EQ(Title(), "Velmo 2 - Untitled") << c.name;
        EXPECT_TRUE(App().untitled) << c.name;
        EXPECT_STREQ(App().documentPath, named.c_str()) << c.name;  // the next save's suggestion
        EXPECT_EQ(IniValue("MRU0"), named) << c.name;
        EXPECT_FALSE(PlaybackRunning()) << c.name;
    }
    EXPECT_EQ(FileBytes(named), "kept on disk");
}

// A key sent while an edit waits for the answer to its question (another
// thread's keys arrive inside the question's message loop) is not typed, and
// the history is not emptied under the edit.
TEST_F(PlaybackTest, KeysArrivingWhileAnEditAsksAreIgnored) {
    Start();
    const std::string text(100000, 'q');
    SetText(text);
    Type("r");
    Edit(EM_SETSEL, 0, -1);
    static int questions;
    questions = 0;
    SetMessageBoxFunction([](HWND, const char*, const char*, UINT) {
        if (++questions > 1) return IDYES;
        SendMessageA(App().editView, WM_CHAR, 'k', 0);
        SendMessageA(App().editView, EM_EMPTYUNDOBUFFER, 0, 0);
        return IDNO;
    });
    SystemHeap().FailAfter(1, 100);  // the undo history cannot take the replaced text
    Edit(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("x"));
    SystemHeap().FailAfter(0);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(Text(), "r" + text);
    EXPECT_NE(Edit(EM_CANUNDO), 0);
}

}  // namespace
}  // namespace velmo::test
