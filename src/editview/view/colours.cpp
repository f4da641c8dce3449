#include "editview/view/colours.h"

#include <initializer_list>

namespace velmo {

namespace {

constexpr COLORREF kBoxColour[2] = {RGB(0x5C, 0x5C, 0x5C), RGB(0, 0, 0)};  // [focused]

// The brush painted with a slot's colour, if it has one.
bool BrushOfSlot(ColourSlot slot, BrushKind* kind) {
    switch (slot) {
    case kBackgroundColour: *kind = kBackgroundBrush; return true;
    case kSelectionColour: *kind = kSelectionBrush; return true;
    case kLineNumberBackgroundColour: *kind = kGutterBrush; return true;
    default: return false;
    }
}

}  // namespace

bool ColourSets::Create() {
    COLORREF* on = colours[true];
    on[kTextColour] = GetSysColor(COLOR_WINDOWTEXT);
    on[kBackgroundColour] = GetSysColor(COLOR_WINDOW);
    on[kSelectionColour] = GetSysColor(COLOR_HIGHLIGHT);
    on[kSelectedTextColour] = GetSysColor(COLOR_HIGHLIGHTTEXT);
    on[kLineNumberColour] = GetSysColor(COLOR_WINDOWTEXT);
    on[kLineNumberBackgroundColour] = RGB(0xB6, 0xB6, 0xB6);
    COLORREF* off = colours[false];
    off[kTextColour] = RGB(0x6C, 0x6C, 0x6C);
    off[kBackgroundColour] = RGB(0xE0, 0xE0, 0xE0);
    off[kSelectionColour] = RGB(0x68, 0x93, 0xD9);
    off[kSelectedTextColour] = off[kBackgroundColour];
    off[kLineNumberColour] = off[kTextColour];
    off[kLineNumberBackgroundColour] = RGB(0xCA, 0xCA, 0xCA);
    bool ok = true;
    for (int focused = 0; focused < 2; ++focused) {
        brushes[focused][kBackgroundBrush] = CreateSolidBrush(colours[focused][kBackgroundColour]);
        brushes[focused][kSelectionBrush] = CreateSolidBrush(colours[focused][kSelectionColour]);
        brushes[focused][kGutterBrush] = CreateSolidBrush(colours[focused][kLineNumberBackgroundColour]);
        brushes[focused][kBoxBrush] = CreateSolidBrush(kBoxColour[focused]);
        boxPens[focused] = CreatePen(PS_SOLID, 0, kBoxColour[focused]);
        for (HBRUSH brush : brushes[focused]) ok = ok && brush != nullptr;
        ok = ok && boxPens[focused] != nullptr;
    }
    separatorPens[0] = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    separatorPens[1] = CreatePen(PS_SOLID, 0, RGB(0xFF, 0xFF, 0xFF));
    ok = ok && separatorPens[0] != nullptr && separatorPens[1] != nullptr;
    if (!ok) Destroy();
    return ok;
}

void ColourSets::Destroy() {
    for (auto& set : brushes) {
        for (HBRUSH& brush : set) {
            if (brush != nullptr) DeleteObject(brush);
            brush = nullptr;
        }
    }
    for (HPEN* pens : {boxPens, separatorPens}) {
        for (int i = 0; i < 2; ++i) {
            if (pens[i] != nullptr) DeleteObject(pens[i]);
            pens[i] = nullptr;
        }
    }
}

LRESULT ColourSets::Set(ColourSlot slot, bool focused, COLORREF colour) {
    COLORREF previous = colours[focused][slot];
    BrushKind kind;
    if (BrushOfSlot(slot, &kind)) {
        HBRUSH brush = CreateSolidBrush(colour);
        if (brush == nullptr) return -1;
        DeleteObject(brushes[focused][kind]);
        brushes[focused][kind] = brush;
    }
    colours[focused][slot] = colour;
    // Selected text is drawn in the background colour of its state.
    if (slot == kBackgroundColour) colours[focused][kSelectedTextColour] = colour;
    return static_cast<LRESULT>(previous);
}

}  // namespace velmo
