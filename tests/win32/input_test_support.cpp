#include "input_test_support.h"

namespace velmo::test {

void InputTest::SetUp() {
    EditViewTest::SetUp();
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    Log().Clear();  // the font change told where the caret is
}

void InputTest::TearDown() {
    SetKeys(false, false);
    EditViewTest::TearDown();
}

void InputTest::SetKeys(bool ctrl, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

void InputTest::Press(WPARAM key, bool ctrl, bool shift, int times) {
    SetKeys(ctrl, shift);
    for (int i = 0; i < times; ++i) Send(WM_KEYDOWN, key);
    SetKeys(false, false);
}

void InputTest::CaretAt(std::uint32_t offset) {
    Send(EM_SETSEL, offset, offset);
    Log().Clear();
}

std::string InputTest::Sel() {
    const Selection& s = Control().store.Sel();
    return std::to_string(s.start) + "," + std::to_string(s.end) + " @" + std::to_string(s.caret);
}

std::string InputTest::Told() {
    std::string out;
    for (const auto& n : Log().Of(EVN_CARETPOS)) {
        if (!out.empty()) out += ' ';
        out += std::to_string(n.wParam) + ":" + std::to_string(n.lParam);
    }
    Log().Clear();
    return out;
}

LPARAM InputTest::Point(int column, int row) {
    const ViewState& v = Control().view;
    int x = static_cast<int>(v.area.textLeft) + column * CharWidth();
    int y = row * LineHeight() + LineHeight() / 2;
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

void InputTest::WrapOn() { ASSERT_EQ(Send(EVM_SETWORDWRAP, 1), 1); }

}  // namespace velmo::test
