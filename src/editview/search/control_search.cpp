#include "editview/search/control_search.h"

#include <cstring>

#include "editview/control_state.h"
#include "editview/document_view.h"
#include "editview/edit_operations.h"
#include "editview/view/scrolling.h"

namespace velmo {

namespace {

void ToUpper(std::uint8_t* bytes, std::uint32_t length) { CharUpperBuffA(reinterpret_cast<char*>(bytes), length); }
void ToLower(std::uint8_t* bytes, std::uint32_t length) { CharLowerBuffA(reinterpret_cast<char*>(bytes), length); }

// Selecting goes through the control's own EM_SETSEL, so that it repaints
// and tells the parent as any other selection change does.
class ControlSearchHost final : public SearchHost {
public:
    void SelectFound(std::uint32_t start, std::uint32_t end) override {
        SendMessageA(Control().window, EM_SETSEL, start, static_cast<LPARAM>(end));
        ScrollFoundIntoView();
    }
    bool ReplaceSelection(const std::uint8_t* text, std::uint32_t length) override {
        return ReplaceSelectionBytes(text, length) != 0;
    }
    void SelectReplacement(std::uint32_t start, std::uint32_t end) override {
        SendMessageA(Control().window, EM_SETSEL, start, static_cast<LPARAM>(end));
        SendMessageA(Control().window, EM_SCROLLCARET, 0, 0);
    }
    void ShowRewrittenText() override {
        AfterTextRewritten();
        ScrollFoundIntoView();
    }
};

}  // namespace

CaseMapping UserCaseMapping() { return CaseMapping{ToUpper, ToLower}; }

LRESULT RunSearch(WPARAM request) {
    if (request == 0) return 0;
    SearchRequest copy;
    std::memcpy(&copy, reinterpret_cast<const void*>(request), sizeof copy);
    ControlSearchHost host;
    return static_cast<LRESULT>(Control().search.Run(copy, host));
}

}  // namespace velmo
