#include "tools/text_tool_commands.h"

#include <algorithm>
#include <cstring>

#include "common/memory_blocks.h"
#include "editview/editview_messages.h"
#include "resource_ids.h"
#include "settings/message_boxes.h"
#include "tools/user_locale.h"

namespace velmo {

namespace {

constexpr std::size_t kTimeAndDateSize = 256;

// The control's selection as it stands now: the main window's copy may not
// have caught up with it yet.
ToolSelection CurrentSelection(HWND editView) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(editView, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    auto length = static_cast<DWORD>(SendMessageA(editView, WM_GETTEXTLENGTH, 0, 0));
    end = std::min(end, length);
    return ToolSelection{std::min(start, end), end};
}

// The selected bytes are read in place, with the document block locked only
// while the tool reads them.
bool TransformSelection(HWND editView, unsigned command, ToolSelection selection, ToolText& out) {
    CaseTable cases = UserCaseTable();
    auto block = reinterpret_cast<HGLOBAL>(SendMessageA(editView, EM_GETHANDLE, 0, 0));
    const auto* text = static_cast<const std::uint8_t*>(GlobalLock(block));
    if (text == nullptr) return false;
    bool made = TransformText(command, cases, text + selection.start, selection.end - selection.start, out);
    GlobalUnlock(block);
    return made;
}

bool ReplaceSelection(HWND editView, const void* text, std::uint32_t length) {
    return SendMessageA(editView, EVM_REPLACEBYTES, length, reinterpret_cast<LPARAM>(text)) != 0;
}

void ApplyTransform(const TextToolContext& context, unsigned command) {
    ToolSelection selection = CurrentSelection(context.editView);
    ToolText result(SystemHeap());
    if (!TransformSelection(context.editView, command, selection, result)) {
        ShowErrorBox(context.messageOwner, IDS_NO_MEMORY);
        return;
    }
    // A refused replacement was already reported by the control itself.
    if (!ReplaceSelection(context.editView, result.Bytes(), result.Length())) return;
    ToolSelection after{};
    if (SelectionAfterTool(command, selection.start, selection.end - selection.start, result.Length(), &after)) {
        SendMessageA(context.editView, EM_SETSEL, after.start, static_cast<LPARAM>(after.end));
    }
}

// Inserted like typed text: the caret after it and nothing selected, so that
// typing goes on behind the date instead of replacing it.
void InsertTimeAndDate(const TextToolContext& context) {
    char text[kTimeAndDateSize];
    if (!FormatTimeAndDate(text, sizeof text)) return;
    if (ReplaceSelection(context.editView, text, static_cast<std::uint32_t>(std::strlen(text)))) {
        SendMessageA(context.editView, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    }
}

}  // namespace

void RunTextTool(const TextToolContext& context, unsigned command) {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    if (command == IDM_TIME_DATE) {
        InsertTimeAndDate(context);
    } else {
        ApplyTransform(context, command);
    }
    SetCursor(previous);
}

}  // namespace velmo
