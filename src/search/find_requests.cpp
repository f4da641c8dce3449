#include "search/find_requests.h"

#include <cstring>

#include "common/product_name.h"
#include "common/text_utils.h"
#include "editview/editview_messages.h"
#include "editview/search/search_request.h"
#include "resource_ids.h"
#include "settings/language_library.h"
#include "settings/message_boxes.h"

namespace velmo {

namespace {

constexpr std::size_t kMessageSize = 512;

// One block for the whole run: a field a request does not set keeps its value.
SearchRequest& Block() {
    static SearchRequest block;
    return block;
}

LRESULT Edit(const FindContext& context, UINT message, WPARAM wParam = 0) {
    return SendMessageA(context.editView, message, wParam, 0);
}

LRESULT Search(const FindContext& context, std::uint32_t operation) {
    Block().operation = operation;
    return Edit(context, EVM_SEARCH, reinterpret_cast<WPARAM>(&Block()));
}

// Messages belong to the open dialog, or to no window when none is open.
void ReportNotFound(const FindContext& context) {
    ShowStringBox(*context.dialog, IDS_NOT_FOUND, IDS_NOTICE_CAPTION, MB_ICONINFORMATION);
}

void ReportReplaced(const FindContext& context, std::uint32_t count) {
    char pattern[kMessageSize], number[16], text[kMessageSize];
    LoadLanguageString(IDS_REPLACED_COUNT, pattern, sizeof pattern);
    FormatGrouped(number, sizeof number, count);
    SubstitutePercent(text, sizeof text, pattern, number);
    ShowMessageBox(*context.dialog, text, kProductName, MB_ICONINFORMATION);
}

void ReplaceAll(const FindContext& context, const FINDREPLACEA& record) {
    Block().replaceWith = record.lpstrReplaceWith;
    auto textLength = static_cast<std::size_t>(Edit(context, WM_GETTEXTLENGTH));
    if (textLength < std::strlen(record.lpstrFindWhat)) return ReportNotFound(context);
    auto count = static_cast<std::uint32_t>(Search(context, SEARCH_REPLACE_ALL));
    switch (Edit(context, EVM_GETSEARCHERROR)) {
        case kSearchNoMemory:
            ShowErrorBox(*context.dialog, IDS_NO_MEMORY);
            if (*context.dialog != nullptr) {
                EnableWindow(*context.dialog, TRUE);
                SetFocus(*context.dialog);
            }
            return;
        case kSearchCancelled: return;  // the user said so at the undo question
        default: break;
    }
    if (count == 0) return ReportNotFound(context);
    Edit(context, EM_SETMODIFY, 1);
    ReportReplaced(context, count);
}

}  // namespace

void AnswerFindRequest(const FindContext& context, const FINDREPLACEA& record) {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SearchRequest& block = Block();
    block.ignoreCase = (record.Flags & FR_MATCHCASE) != 0 ? 0 : 1;
    block.searchDown = (record.Flags & FR_DOWN) != 0 ? 1 : 0;
    block.findWhat = record.lpstrFindWhat;
    if ((record.Flags & FR_REPLACEALL) != 0) {
        ReplaceAll(context, record);
    } else if ((record.Flags & FR_FINDNEXT) != 0) {
        if (Search(context, SEARCH_FIND) == 0) ReportNotFound(context);
    } else {
        block.replaceWith = record.lpstrReplaceWith;
        if (Search(context, SEARCH_REPLACE) == 0) ReportNotFound(context);
    }
    SetCursor(previous);
}

}  // namespace velmo
