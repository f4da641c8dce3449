#include "test_window.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>

#include "common/memory_blocks.h"
#include "editview/editview.h"
#include "editview/input/mouse.h"
#include "editview/search/search_request.h"
#include "editview/view/scroll_bars.h"

namespace velmo::test {

namespace {

constexpr char kParentClass[] = "VelmoTestParent";

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EVN_CARETPOS:
    case WM_CLOSE:
        Log().received.push_back({message, wParam, lParam, !Log().pumping});
        return 0;
    case WM_COMMAND: {
        Log().received.push_back({message, wParam, lParam, true});
        WORD code = HIWORD(wParam);
        return code == EVN_UNDOFULL || code == EVN_REDOFULL ? Log().historyFullAnswer : 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterOnce() {
    static bool done = [] {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = instance;
        wc.lpszClassName = kParentClass;
        RegisterClassA(&wc);
        RegisterEditViewClass(instance);
        SetFaultReporter([](HWND, const char* text) {
            Log().received.push_back({WM_NULL, 0, reinterpret_cast<LPARAM>(text), true});
        });
        return true;
    }();
    (void)done;
}

const std::map<std::string, WPARAM> kKeys = {
    {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP},     {"Down", VK_DOWN}, {"Home", VK_HOME},
    {"End", VK_END},   {"PgUp", VK_PRIOR},  {"PgDn", VK_NEXT}, {"Ins", VK_INSERT},
};

const std::map<std::string, std::pair<UINT, WPARAM>> kScrolls = {
    {"vLineUp", {WM_VSCROLL, SB_LINEUP}}, {"vLineDown", {WM_VSCROLL, SB_LINEDOWN}},
    {"vPageUp", {WM_VSCROLL, SB_PAGEUP}}, {"vPageDown", {WM_VSCROLL, SB_PAGEDOWN}},
    {"vTop", {WM_VSCROLL, SB_TOP}},       {"vBottom", {WM_VSCROLL, SB_BOTTOM}},
    {"hLineRight", {WM_HSCROLL, SB_LINERIGHT}}, {"hPageRight", {WM_HSCROLL, SB_PAGERIGHT}},
    {"hLeft", {WM_HSCROLL, SB_LEFT}},
};

// A fixed-pitch font of 30 pixels, kept for the whole run.
HFONT LargeFont() {
    static HFONT font = CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
    return font;
}

// The client point of a mouse step's "X,Y" (see Play).
LPARAM MousePoint(const std::string& where) {
    const ViewState& v = Control().view;
    std::string x = where.substr(0, where.find(',')), y = where.substr(where.find(',') + 1);
    int left = static_cast<int>(v.area.textLeft), right = static_cast<int>(v.area.textRight);
    int lh = static_cast<int>(v.lineHeight);
    int px = x == "g"   ? static_cast<int>(v.gutterWidth) / 2
             : x == "r" ? right + 5
             : x == "l" ? left - 5
             : x == "e" ? right - 1
                        : left + static_cast<int>(std::lround(std::atof(x.c_str()) * v.widths.ColumnWidth()));
    int py = y == "a" ? -5 : y == "b" ? static_cast<int>(v.clientHeight) + 5 : std::atoi(y.c_str()) * lh + lh / 2;
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(px)), static_cast<WORD>(static_cast<short>(py)));
}

std::string Join(std::initializer_list<std::int64_t> numbers) {
    std::string out;
    for (std::int64_t n : numbers) out += (out.empty() ? "" : ",") + std::to_string(n);
    return out;
}

}  // namespace

ParentLog& Log() {
    static ParentLog log;
    return log;
}

std::vector<Notification> ParentLog::Of(UINT message) const {
    std::vector<Notification> out;
    for (const auto& n : received) {
        if (n.message == message) out.push_back(n);
    }
    return out;
}

std::vector<WORD> ParentLog::CommandCodes() const {
    std::vector<WORD> codes;
    for (const auto& n : Of(WM_COMMAND)) codes.push_back(HIWORD(n.wParam));
    return codes;
}

void SetEditText(HWND edit, const std::string& text) {
    HGLOBAL old = reinterpret_cast<HGLOBAL>(SendMessageA(edit, EM_GETHANDLE, 0, 0));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.data(), text.size());
    GlobalUnlock(block);
    ASSERT_EQ(SendMessageA(edit, EVM_SETTEXTHANDLE, reinterpret_cast<WPARAM>(block), static_cast<LPARAM>(text.size())),
              1);
    GlobalFree(old);  // the caller releases the block it replaced
}

std::string EditText(HWND edit) {
    auto block = reinterpret_cast<HGLOBAL>(SendMessageA(edit, EM_GETHANDLE, 0, 0));
    auto length = static_cast<std::size_t>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<const char*>(GlobalLock(block)), length);
    GlobalUnlock(block);
    return text;
}

void OfferPlainText(HWND owner, const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    std::memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

void SetKeys(int first, bool firstOn, int second, bool secondOn, BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[first] = firstOn ? state : 0;
    keys[second] = secondOn ? state : 0;
    SetKeyboardState(keys);
}

std::string Lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += (line.empty() ? "line " + std::to_string(i) : line) + (i + 1 < count ? "\r\n" : "");
    }
    return text;
}

void EditViewTest::SetUp() {
    RegisterOnce();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    parent = CreateWindowA(kParentClass, "test parent", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                           instance, nullptr);
    ASSERT_NE(parent, nullptr);
    edit = CreateWindowExA(WS_EX_ACCEPTFILES, kEditViewClassName, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 0, 600, 400, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditViewId)), instance, nullptr);
    ASSERT_NE(edit, nullptr);
    Send(EVM_FILEIO, 0, 0);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    SetTextArea(40, 10);
    PumpMessages();
    Log() = ParentLog{};
}

void EditViewTest::TearDown() {
    SystemHeap().FailAfter(0);  // a test that armed failures may have stopped early
    SystemHeap().FailAlways(false);
    SetKeys(VK_CONTROL, false, VK_SHIFT, false);
    Send(EVM_SHOWCONTROLCHARS, 0);  // a mode that outlives the window
    if (parent != nullptr) DestroyWindow(parent);
    PumpMessages();
    Log() = ParentLog{};
}

void EditViewTest::PumpMessages() {
    MSG msg;
    Log().pumping = true;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Log().pumping = false;
}

void EditViewTest::SetTextArea(int columns, int rows) {
    RECT window;
    GetWindowRect(edit, &window);
    int wider = columns * CharWidth() - static_cast<int>(View().area.width);
    int taller = rows * LineHeight() - static_cast<int>(View().clientHeight);
    MoveWindow(edit, 0, 0, window.right - window.left + wider, window.bottom - window.top + taller, TRUE);
}

void EditViewTest::Press(WPARAM key, bool ctrl, bool shift) {
    SetKeys(VK_CONTROL, ctrl, VK_SHIFT, shift);
    Send(WM_KEYDOWN, key);
    SetKeys(VK_CONTROL, false, VK_SHIFT, false);
}

void EditViewTest::Play(const std::string& script) {
    std::istringstream steps(script);
    std::string step;
    for (int n = 1; steps >> step; ++n) {
        SCOPED_TRACE("step " + std::to_string(n) + ": " + step);
        std::size_t star = step.find('*');
        int times = star == std::string::npos ? 1 : std::atoi(step.c_str() + star + 1);
        for (int i = 0; i < times && !HasFatalFailure(); ++i) PlayStep(step.substr(0, star));
    }
}

void EditViewTest::PlayStep(const std::string& step) {
    std::string name = step.substr(0, step.find_first_of("=@"));
    std::string value = step.substr(std::min(step.size(), name.size() + 1));
    if (name.empty() || name == "told" || name == "view" || name == "vbar" || name == "hmax") return Check(name, value);
    if (step.find('@') != std::string::npos) return Mouse(name, value);
    auto scroll = kScrolls.find(name);
    if (scroll != kScrolls.end()) return (void)Send(scroll->second.first, scroll->second.second);
    int a = std::atoi(value.c_str()), b = std::atoi(value.c_str() + value.find(',') + 1);
    SearchRequest find{SEARCH_FIND, 1, 0, value.c_str(), ""};
    const std::map<std::string, std::function<void()>> actions = {
        {"timer", [&] { Send(WM_TIMER, kAutoScrollTimer); }},
        {"tick", [&] {  // the control's own auto-scroll timer message, waited for half a second at most;
             MSG msg{};  // the scroll bars' timer may come first and is handled as a message loop would
             for (int i = 0; i < 50 && !(msg.message == WM_TIMER && msg.wParam == kAutoScrollTimer); ++i) {
                 if (PeekMessageA(&msg, edit, WM_TIMER, WM_TIMER, PM_REMOVE)) DispatchMessageA(&msg);
                 else Sleep(10);
             }
         }},
        {"steal", [&] { SetCapture(parent); }},
        {"lines", [&] { Send(EM_LINESCROLL, 0, a); }},
        {"wheel", [&] { Send(WM_MOUSEWHEEL, MAKEWPARAM(0, View().wheelStep)); }},
        {"halfwheel", [&] { Send(WM_MOUSEWHEEL, MAKEWPARAM(0, View().wheelStep / 2)); }},
        {"show", [&] { Send(EM_SCROLLCARET); }},
        {"type", [&] { for (char ch : value) Send(WM_CHAR, static_cast<BYTE>(ch)); }},
        {"clear", [&] { Send(WM_CLEAR); }},
        {"undo", [&] { Send(EM_UNDO); }},
        {"find", [&] { EXPECT_NE(Send(EVM_SEARCH, reinterpret_cast<WPARAM>(&find)), 0) << step; }},
        {"centre", [&] { Send(EVM_SETCENTERAFTERFIND, 1); }},
        {"sel", [&] { Send(EM_SETSEL, static_cast<WPARAM>(a), b); }},
        {"area", [&] { SetTextArea(a, b); }},
        {"wrap", [&] { ASSERT_EQ(Send(EVM_SETWORDWRAP, 1), 1); }},
        {"numbers", [&] { Send(EVM_SHOWLINENUMBERS, 1); }},
        {"controls", [&] { Send(EVM_SHOWCONTROLCHARS, 1); }},
        {"margins", [&] { Send(EVM_SETMARGINS, static_cast<WPARAM>(a), b); }},
        {"size", [&] { SetWindowPos(edit, nullptr, 0, 0, a, b, SWP_NOMOVE | SWP_NOZORDER); }},
        {"font", [&] { Send(WM_SETFONT, reinterpret_cast<WPARAM>(LargeFont()), 0); }},
        {"cut", [&] {  // a right margin that leaves the last column cut by one pixel
             int cw = CharWidth();
             Send(EVM_SETMARGINS, 0, (static_cast<int>(View().area.width) % cw + 1) % cw);
             ASSERT_EQ(static_cast<int>(View().area.width) % cw, cw - 1);
         }},
    };
    auto action = actions.find(name);
    if (action == actions.end()) {
        auto key = kKeys.find(step.substr(step.rfind('-') + 1));
        ASSERT_NE(key, kKeys.end()) << "no such step: " << step;
        return Press(key->second, step.find("C-") != std::string::npos, step.find("S-") != std::string::npos);
    }
    action->second();
    if (name == "steal") holding_ = false;
    // What the parent heard of a setting does not count.
    if (std::string(" lines sel area wrap cut ").find(" " + name + " ") != std::string::npos) Log().Clear();
}

void EditViewTest::Mouse(const std::string& kind, const std::string& where) {
    LPARAM point = MousePoint(where);
    bool down = kind == "press" || kind == "dbl" || kind == "click";
    if (down) Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
    if (kind == "move") Send(WM_MOUSEMOVE, MK_LBUTTON, point);
    if (kind == "dbl") Send(WM_LBUTTONUP, 0, point);
    if (kind == "dbl") Send(WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    if (kind == "release" || (down && kind != "press")) Send(WM_LBUTTONUP, 0, point);
    holding_ = (kind == "press" && where[0] != 'g') || (kind == "move" && holding_);  // the gutter selects at once
    EXPECT_EQ(GetCapture() == edit, holding_) << kind;
}

// One check step of Play (see there): what it finds must be `want`.
void EditViewTest::Check(const std::string& name, const std::string& want) {
    const Selection& s = Control().store.Sel();
    std::string got;
    if (name.empty()) {
        got = s.start == s.end ? std::to_string(s.caret) : Join({s.start, s.end}) + "@" + std::to_string(s.caret);
    } else if (name == "told") {
        for (const auto& n : Log().Of(EVN_CARETPOS)) {
            got += (got.empty() ? "" : ",") + Join({n.wParam}) + ":" + Join({n.lParam});
        }
        Log().Clear();
    } else if (name == "view") {
        got = Join({View().firstVisibleRow, View().firstVisibleColumn, Control().store.CaretRow()});
        got += Control().input.timer != 0 ? ",timer" : "";
    } else {
        if (name == "hmax") Send(WM_TIMER, kScrollBarTimer);  // a narrower widest line is measured with the bars
        SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(edit, name == "hmax" ? SB_HORZ : SB_VERT, &info);
        got = name == "hmax" ? Join({info.nMax}) : Join({info.nPos, info.nMax, info.nPage});
    }
    EXPECT_EQ(got, want) << name;
}

}  // namespace velmo::test
