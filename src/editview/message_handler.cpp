// The control's message handler: the standard edit messages and the private
// ones. EVM_GETDISPATCHPROC hands out its address for direct calls.
#include <algorithm>

#include "common/text_utils.h"
#include "editview/control_state.h"
#include "editview/document_view.h"
#include "editview/edit_operations.h"
#include "editview/editview.h"
#include "editview/file_io.h"
#include "editview/notifications.h"
#include "editview/search/control_search.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_options.h"

namespace velmo {

namespace {

constexpr UINT kLastPrivateMessage = EVM_REPLACEBYTES;
constexpr unsigned kMarkerStyles = 6;

void StoreCell(WPARAM cell, std::uint32_t value) {
    if (cell != 0) *reinterpret_cast<DWORD*>(cell) = value;
}

LRESULT GetSelection(WPARAM startCell, LPARAM endCell) {
    const Selection& sel = Control().store.Sel();
    StoreCell(startCell, sel.start);
    StoreCell(static_cast<WPARAM>(endCell), sel.end);
    return static_cast<LRESULT>(Control().store.PackedSelection());
}

LRESULT SetText(BlockHandle block, std::uint32_t length) {
    bool built = Control().store.SetText(block, length);
    AfterDocumentReplaced();
    return built ? 1 : 0;
}

// EM_SETHANDLE: the text's length is that of its string, but never more than
// its block holds, since a foreign block may lack the terminator.
LRESULT AdoptStringBlock(HGLOBAL block) {
    if (block == nullptr) return SetText(0, 0);
    BlockHeap& heap = Control().store.Heap();
    auto handle = reinterpret_cast<BlockHandle>(block);
    std::uint32_t size = heap.Size(handle);
    std::uint32_t length = static_cast<std::uint32_t>(
        BoundedLength(reinterpret_cast<const char*>(heap.Lock(handle)), size));
    heap.Unlock(handle);
    return SetText(handle, length);
}

LRESULT FileIo(WPARAM mode, LPARAM path) {
    EditControl& c = Control();
    HCURSOR previous = SetCursor(c.waitCursor);
    LRESULT result;
    if (mode == 0) {
        result = SetText(0, 0);
    } else {
        // No remains of a closed dialog stay on screen while the file is read or written.
        RedrawWindow(c.parent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const char* name = reinterpret_cast<const char*>(path);
        result = mode == 1 ? LoadDocumentFile(name) : SaveDocumentFile(name);
    }
    DWORD error = GetLastError();
    SetCursor(previous);
    SetLastError(error);
    return result;
}

LRESULT MarkLine(std::uint32_t line) {
    EditControl& c = Control();
    BlockHeap& heap = c.store.Heap();
    auto* marks = reinterpret_cast<std::uint32_t*>(heap.Lock(c.markers));
    if (std::find(marks, marks + c.markerCount, line) != marks + c.markerCount) return 0;
    if (c.markerCount == c.markerCapacity) {
        std::uint64_t capacity = std::uint64_t{c.markerCapacity} + 100;
        BlockHandle grown = heap.Reallocate(c.markers, capacity * sizeof(std::uint32_t));
        if (grown == 0) return 0;
        c.markers = grown;
        c.markerCapacity = static_cast<std::uint32_t>(capacity);
        marks = reinterpret_cast<std::uint32_t*>(heap.Lock(grown));
    }
    marks[c.markerCount++] = line;
    InvalidateRect(c.window, nullptr, FALSE);
    return 1;
}

LRESULT SetMarkerStyle(WPARAM style) {
    EditControl& c = Control();
    if (style >= kMarkerStyles) return -1;
    int previous = c.options.markerStyle;
    c.options.markerStyle = static_cast<int>(style);
    InvalidateRect(c.window, nullptr, FALSE);
    return previous;
}

LRESULT SetColour(ColourSlot slot, bool focused, WPARAM colour) {
    EditControl& c = Control();
    LRESULT previous = c.colours.Set(slot, focused, static_cast<COLORREF>(colour));
    InvalidateRect(c.window, nullptr, FALSE);
    return previous;
}

LRESULT SelectAll() {
    EditControl& c = Control();
    c.store.SetSelection(0, 0xFFFFFFFFu);
    if (c.view.firstVisibleColumn != 0) ScrollColumnsByCode(SB_LEFT);
    ScrollToRow(0);
    AfterSelectionChanged();
    return 0;
}

LRESULT StandardMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
    EditControl& c = Control();
    TextStore& store = c.store;
    switch (message) {
    case EM_GETSEL: return GetSelection(wParam, lParam);
    case EM_SETSEL:
        store.SetSelection(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
        AfterSelectionChanged();
        return 0;
    case EM_LINESCROLL: ScrollLines(static_cast<std::int32_t>(lParam)); return 0;
    case EM_SCROLLCARET:
        ScrollCaretIntoView();
        SendCaretPosition();
        return 0;
    case EM_GETMODIFY: return store.modified ? 1 : 0;
    case EM_SETMODIFY: store.modified = wParam != 0; return 0;
    case EM_GETLINECOUNT: return store.LineCount();
    case EM_LINEINDEX: return static_cast<LRESULT>(store.LineIndex(static_cast<std::uint32_t>(wParam)));
    case EM_SETHANDLE: return AdoptStringBlock(reinterpret_cast<HGLOBAL>(wParam));
    case EM_GETHANDLE: return static_cast<LRESULT>(store.Buffer().handle);
    case EM_GETFIRSTVISIBLELINE: return c.view.firstVisibleRow;
    case EM_REPLACESEL: return ReplaceSelectionText(wParam, lParam);
    case EM_CANUNDO: return c.editor.UndoSteps();
    case EM_UNDO: return UndoEdit();
    case EM_EMPTYUNDOBUFFER:
        if (!c.busy) c.editor.EmptyHistories();  // not under an edit that is writing its record
        return 0;
    default: *handled = false; return 0;
    }
}

LRESULT PrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
    EditControl& c = Control();
    TextStore& store = c.store;
    switch (message) {
    case EVM_FILEIO: return FileIo(wParam, lParam);
    case EVM_SETTEXTCOLOR: return SetColour(kTextColour, true, wParam);
    case EVM_SETBKCOLOR: return SetColour(kBackgroundColour, true, wParam);
    case EVM_SETSELCOLOR: return SetColour(kSelectionColour, true, wParam);
    case EVM_SETTEXTINACTIVECOLOR: return SetColour(kTextColour, false, wParam);
    case EVM_SETBKINACTIVECOLOR: return SetColour(kBackgroundColour, false, wParam);
    case EVM_SETSELINACTIVECOLOR: return SetColour(kSelectionColour, false, wParam);
    case EVM_SETLINENUMBERSCOLOR: return SetColour(kLineNumberColour, true, wParam);
    case EVM_SETBKLINENUMBERSCOLOR: return SetColour(kLineNumberBackgroundColour, true, wParam);
    case EVM_SETLINENUMBERSINACTIVECOLOR: return SetColour(kLineNumberColour, false, wParam);
    case EVM_SETBKLINENUMBERSINACTIVECOLOR: return SetColour(kLineNumberBackgroundColour, false, wParam);
    case EVM_GETCARETINDEX: return store.Sel().caret;
    case EVM_SETPADDING: ChangePadding(wParam, lParam); return 0;
    case EVM_SHOWLINENUMBERS: ShowLineNumbers(LOBYTE(wParam) != 0); return 0;
    case EVM_MARKLINE: return MarkLine(static_cast<std::uint32_t>(wParam));
    case EVM_SETMARKERSTYLE: return SetMarkerStyle(wParam);
    case EVM_SHOWCONTROLCHARS: ShowControlChars(LOBYTE(wParam) != 0); return 0;
    case EVM_SETTEXTHANDLE: return SetText(static_cast<BlockHandle>(wParam), static_cast<std::uint32_t>(lParam));
    case EVM_SETMARGINS: ChangeMargins(wParam, lParam); return 0;
    case EVM_SELECTALL: return SelectAll();
    case EVM_GETOVERWRITE: return store.overwrite ? 1 : 0;
    case EVM_GETLINESIZE: return store.LineSize(static_cast<std::uint32_t>(wParam));
    case EVM_GETCARETLINE: return store.CaretLine();
    case EVM_GETCARETCOLUMN: return store.CaretColumn();
    case EVM_SETWORDWRAP: return SetWordWrap(wParam != 0);
    case EVM_GETDISPATCHPROC: return reinterpret_cast<LRESULT>(&EditViewDispatch);
    case EVM_SETCENTERAFTERFIND: c.options.centerAfterFind = wParam != 0; return 0;
    case EVM_REDO: return RedoEdit();
    case EVM_CANREDO: return c.editor.RedoSteps();
    case EVM_REPLACEBYTES:
        return ReplaceSelectionBytes(reinterpret_cast<const std::uint8_t*>(lParam), static_cast<std::uint32_t>(wParam));
    case EVM_SEARCH: return RunSearch(wParam);
    case EVM_GETSEARCHERROR: return c.search.Error();
    case EVM_LINEFROMCHAR: return store.LineFromOffset(static_cast<std::uint32_t>(lParam));
    default: *handled = false; return 0;
    }
}

}  // namespace

LRESULT CALLBACK EditViewDispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Control().parent = GetParent(window);
    bool handled = true;
    LRESULT result = message < WM_USER ? StandardMessage(message, wParam, lParam, &handled)
                     : message <= kLastPrivateMessage ? PrivateMessage(message, wParam, lParam, &handled)
                                                      : (handled = false, 0);
    return handled ? result : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace velmo
