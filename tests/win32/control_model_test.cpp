// The real control driven by random messages (typing, deleting, replacing,
// selecting, clipboard, undo and redo, histories, modes) against the plain
// editing model: after every message the bytes, selection, caret, histories,
// flags and what the parent heard must agree with the model.
#include <algorithm>
#include <random>
#include <string>

#include "../editview/model/editing_model.h"
#include "../editview/model/recording_events.h"
#include "editview/editview.h"
#include "test_window.h"

namespace velmo::test {
namespace {

using testing::EditingModel;
using testing::Expected;

class ControlModelTest : public EditViewTest {
protected:
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : static_cast<std::uint32_t>(rng_() % n); }
    std::string RandomText(bool withNul) {
        static const char* const kPieces[] = {"a", "b", " ", "\r\n", "\r", "\n", "x;", "\t", "\xe9"};
        std::string text;
        for (std::uint32_t n = Below(6); n > 0; --n) {
            text += Below(8) == 0 && withNul ? std::string(1, '\0') : kPieces[Below(9)];
        }
        return text;
    }
    // Sends one random message and returns what the model expects of it;
    // selection changes are made on the model at once.
    Expected SendRandomMessage();
    void ApplyToModel(const Expected& want);
    void ExpectModel(const std::string& what);
    void ExpectLines(const std::string& what);
    void AdoptNewDocument(bool terminated);

    std::mt19937 rng_{5};
    std::string sent_;  // which message the step sent
    bool steppedBack_ = false;  // an undo or redo, already made on the model
    EditingModel model_;
    std::vector<std::string> clipboard_;  // empty: nothing to paste
};

Expected ControlModelTest::SendRandomMessage() {
    std::uint32_t roll = Below(100);
    sent_ = "message " + std::to_string(roll);
    steppedBack_ = false;
    bool ctrl = Below(3) == 0;
    std::uint32_t length = model_.Length();
    if (roll < 2) {
        AdoptNewDocument(roll == 0);
        return Expected::Of(Expected::Nothing);
    }
    if (roll < 30) {
        static const std::uint8_t kKeys[] = {'a', 'b', ' ', ';', '\r', '\n', '\t', 0, 0xE9};
        std::uint8_t key = kKeys[Below(std::size(kKeys))];
        Send(WM_CHAR, key);
        return model_.Type(key, false);
    }
    if (roll < 42) {
        std::uint8_t code = Below(2) == 0 ? 8 : 127;
        Press(code == 8 ? VK_BACK : VK_DELETE, ctrl, !ctrl && Below(4) == 0);  // Shift+Delete cuts nothing
        return model_.Type(code, ctrl);
    }
    if (roll < 52) {
        std::string text = RandomText(roll >= 48);
        bool record = Below(8) != 0;
        if (roll < 48) {
            Send(EM_REPLACESEL, record, reinterpret_cast<LPARAM>(text.empty() && Below(2) ? nullptr : text.c_str()));
            return model_.Replace(text, record);
        }
        Send(EVM_REPLACEBYTES, text.size(), reinterpret_cast<LPARAM>(text.data()));
        return model_.Replace(text, true);
    }
    if (roll < 64) {
        std::uint32_t kind = Below(8);
        WPARAM start = kind == 0 ? 0 : kind == 1 ? static_cast<WPARAM>(-1) : Below(length + 2);
        LPARAM end = kind == 0 ? -1 : kind < 5 ? static_cast<LPARAM>(start) : Below(length + 2);
        Send(EM_SETSEL, start, end);
        model_.SetSelection(static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end));
        return Expected::Of(Expected::Nothing);
    }
    if (roll < 66) {
        Send(EVM_SELECTALL);
        model_.SetSelection(0, 0xFFFFFFFFu);
        return Expected::Of(Expected::Nothing);
    }
    if (roll < 74) {
        bool undo = roll < 70;
        Send(undo ? UINT{EM_UNDO} : UINT{EVM_REDO});
        std::vector<testing::ModelStep>& from = undo ? model_.undo : model_.redo;
        Expected step = model_.StepBack(from);
        if (step.kind == Expected::Edit) model_.ApplyStepBack(from, undo ? model_.redo : model_.undo, true);
        steppedBack_ = true;
        return step;
    }
    std::string selected = model_.text.substr(model_.selStart, model_.selEnd - model_.selStart);
    if (roll < 78) {
        bool cut = roll >= 76;
        if (!cut && ctrl) {
            Press(VK_INSERT, true);  // Ctrl+Insert copies
        } else if (cut) {
            Send(WM_CUT);
        } else {
            EXPECT_EQ(Send(WM_COPY), selected.empty() ? 0 : 1) << sent_;
        }
        if (!selected.empty()) {  // other programs read the bytes and one zero
            clipboard_ = {selected};
            OpenClipboard(parent);
            HGLOBAL block = GetClipboardData(CF_TEXT);
            std::size_t size = std::min<std::size_t>(GlobalSize(block), selected.size() + 1);
            EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(block)), size), selected + '\0') << sent_;
            GlobalUnlock(block);
            CloseClipboard();
        }
        return cut && !selected.empty() ? model_.Replace("", true) : Expected::Of(Expected::Nothing);
    }
    if (roll < 82) {
        if (Below(3) == 0) {  // another program's text, where a lone CR or LF breaks no line
            clipboard_ = {"p" + RandomText(false)};
            OfferPlainText(parent, clipboard_[0]);
        }
        if (ctrl) {
            Press(VK_INSERT, false, true);  // Shift+Insert pastes
        } else {
            Send(WM_PASTE);
        }
        return clipboard_.empty() ? Expected::Of(Expected::Nothing) : model_.Replace(clipboard_[0], true);
    }
    if (roll < 84) {
        Send(WM_CLEAR);
        return selected.empty() ? Expected::Of(Expected::Nothing) : model_.Replace("", true);
    }
    if (roll < 87) {
        Press(VK_INSERT);
        model_.overwrite = !model_.overwrite;
        sent_ += " (Insert)";
    } else if (roll < 89) {
        Send(EM_EMPTYUNDOBUFFER);
        model_.undo.clear();
        model_.redo.clear();
    } else if (roll < 92) {
        Send(EM_SETMODIFY, Below(2));
        model_.modified = Send(EM_GETMODIFY) != 0;
    } else if (roll < 95) {
        model_.showControlChars = !model_.showControlChars;
        Send(EVM_SHOWCONTROLCHARS, model_.showControlChars);
    } else {  // ignored: characters of keys that come as WM_KEYDOWN, unknown messages, the window's caption
        static const UINT kIgnored[][2] = {{WM_CHAR, 8}, {WM_CHAR, 127}, {1048, 1}, {1054, 1},
                                           {EVM_REPLACEBYTES + 1, 1}, {WM_SETTEXT, 0}};
        const UINT* m = kIgnored[Below(std::size(kIgnored))];
        LRESULT answer = Send(m[0], m[1], reinterpret_cast<LPARAM>("caption"));
        EXPECT_EQ(m[0] == WM_SETTEXT ? 0 : answer, 0) << sent_;
        sent_ += " (ignored)";
    }
    return Expected::Of(Expected::Refused);
}

void ControlModelTest::ApplyToModel(const Expected& want) {
    if (steppedBack_) return;  // made on the model already
    if (want.kind == Expected::Edit) {
        model_.ApplyEdit(want, want.recorded);
    } else if (want.kind == Expected::NothingToDelete) {
        model_.redo.clear();
        model_.modified = true;
    }
}

void ControlModelTest::ExpectModel(const std::string& what) {
    ASSERT_EQ(Text(), model_.text) << what;
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    ASSERT_EQ(start, model_.selStart) << what;
    ASSERT_EQ(end, model_.selEnd) << what;
    ASSERT_EQ(Send(EVM_GETCARETINDEX), static_cast<LRESULT>(model_.caret)) << what;
    ASSERT_EQ(Send(EVM_GETCARETLINE), static_cast<LRESULT>(model_.CaretLine())) << what;
    ASSERT_EQ(Send(EVM_GETCARETCOLUMN), static_cast<LRESULT>(model_.CaretColumn())) << what;
    ASSERT_EQ(Send(EM_CANUNDO), static_cast<LRESULT>(model_.undo.size())) << what;
    ASSERT_EQ(Send(EVM_CANREDO), static_cast<LRESULT>(model_.redo.size())) << what;
    ASSERT_EQ(Send(EM_GETMODIFY), model_.modified ? 1 : 0) << what;
    ASSERT_EQ(Send(EVM_GETOVERWRITE), model_.overwrite ? 1 : 0) << what;
}

// Hands the control a new document in a block of its own (none for an empty
// one) by EM_SETHANDLE, read to its first NUL, or by EVM_SETTEXTHANDLE with a
// length that may claim far more: neither reads past the block's end.
void ControlModelTest::AdoptNewDocument(bool terminated) {
    std::string text = RandomText(true);
    HGLOBAL old = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
    HGLOBAL block = text.empty() ? nullptr : GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size());
    std::string held;
    if (block != nullptr) {
        auto* bytes = static_cast<char*>(GlobalLock(block));
        text.copy(bytes, text.size());
        held.assign(bytes, GlobalSize(block));
        GlobalUnlock(block);
    }
    std::size_t claim = Below(2) == 0 ? text.size() : 1u << 30;
    UINT message = terminated ? UINT{EM_SETHANDLE} : UINT{EVM_SETTEXTHANDLE};
    Send(message, reinterpret_cast<WPARAM>(block), static_cast<LPARAM>(claim));
    GlobalFree(old);  // the caller releases the block it replaced
    model_.NewText(held.substr(0, terminated ? held.find('\0') : claim));
    sent_ += " (new document)";
    EXPECT_GE(GlobalSize(reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE))), model_.Length() + 65536u) << "room to grow";
}

// The line queries agree with the model's lines, which only CR LF ends.
void ControlModelTest::ExpectLines(const std::string& what) {
    std::vector<std::uint32_t> entries = testing::ReferenceEntries(model_.text);  // the starts, then the length
    auto lines = static_cast<std::uint32_t>(entries.size() - 1);
    ASSERT_EQ(Send(EM_GETLINECOUNT), static_cast<LRESULT>(lines)) << what;
    std::uint32_t line = Below(lines + 1);
    bool inside = line < lines;
    ASSERT_EQ(Send(EM_LINEINDEX, line), inside ? static_cast<LRESULT>(entries[line]) : -1) << what;
    ASSERT_EQ(Send(EVM_GETLINESIZE, line), inside ? static_cast<LRESULT>(entries[line + 1] - entries[line]) : 0)
        << what;
    std::uint32_t offset = Below(model_.Length() + 3);
    ASSERT_EQ(Send(EVM_LINEFROMCHAR, 0, offset), static_cast<LRESULT>(testing::LineOfOffset(entries, offset)))
        << what << ", offset " << offset;
}

TEST_F(ControlModelTest, MessagesAgreeWithThePlainModel) {
    ASSERT_TRUE(OpenClipboard(parent));
    EmptyClipboard();
    CloseClipboard();
    for (int step = 0; step < 1500; ++step) {
        Log().Clear();
        Expected want = SendRandomMessage();
        std::string what = "step " + std::to_string(step) + ", " + sent_;
        // An edit is told as EN_CHANGE, from the control itself, then the caret.
        std::vector<WORD> codes = Log().CommandCodes();
        bool changed = want.kind == Expected::Edit || want.kind == Expected::NothingToDelete;
        ASSERT_EQ(codes, changed ? std::vector<WORD>{EN_CHANGE} : std::vector<WORD>{}) << what;
        for (const Notification& n : Log().Of(WM_COMMAND)) {
            ASSERT_EQ(LOWORD(n.wParam), kEditViewId) << what;
            ASSERT_EQ(n.lParam, reinterpret_cast<LPARAM>(edit)) << what;
        }
        if (changed) {
            ASSERT_EQ(Log().received.back().message, static_cast<UINT>(EVN_CARETPOS)) << what;
        }
        ApplyToModel(want);
        // Caret positions are sent at once; the last one is where the caret stands.
        std::vector<Notification> carets = Log().Of(EVN_CARETPOS);
        if (sent_.find("Insert") != std::string::npos) {
            ASSERT_EQ(carets.size(), 1u) << what << ": the parent shows the new mode at once";
        }
        for (const Notification& n : carets) ASSERT_TRUE(n.sent) << what;
        if (sent_.find("ignored") != std::string::npos) {
            ASSERT_TRUE(Log().received.empty()) << what;
        }
        if (!carets.empty()) {
            ASSERT_EQ(carets.back().wParam, model_.CaretLine()) << what;
            ASSERT_EQ(carets.back().lParam, static_cast<LPARAM>(model_.CaretColumn())) << what;
        }
        ASSERT_NO_FATAL_FAILURE(ExpectModel(what));
        ASSERT_NO_FATAL_FAILURE(ExpectLines(what));
        if (sent_.find("new document") != std::string::npos) {  // its caret is posted
            PumpMessages();
            ASSERT_EQ(Log().Of(EVN_CARETPOS).size(), 1u) << what;
            ASSERT_FALSE(Log().Of(EVN_CARETPOS)[0].sent) << what;
        }
    }
    if (model_.overwrite) Press(VK_INSERT);  // the mode outlives the window
}

}  // namespace
}  // namespace velmo::test
