#pragma once
// The control's two colour sets, one shown while it has the focus and one
// while it has not, with the brushes and pens painted with them.
#include <windows.h>

namespace velmo {

enum ColourSlot {
    kTextColour,
    kBackgroundColour,
    kSelectionColour,
    kSelectedTextColour,
    kLineNumberColour,
    kLineNumberBackgroundColour,
    kColourSlots
};

enum BrushKind { kBackgroundBrush, kSelectionBrush, kGutterBrush, kBoxBrush, kBrushKinds };

struct ColourSets {
    COLORREF colours[2][kColourSlots]{};  // [focused][slot]
    HBRUSH brushes[2][kBrushKinds]{};
    HPEN boxPens[2]{};
    HPEN separatorPens[2]{};  // dark, light

    // Initial colours and every GDI object; all or nothing.
    bool Create();
    void Destroy();

    COLORREF Colour(ColourSlot slot, bool focused) const { return colours[focused][slot]; }
    HBRUSH Brush(BrushKind kind, bool focused) const { return brushes[focused][kind]; }

    // A colour message: stores the colour of one state and returns the
    // previous one, or -1 (nothing changed) when the slot's brush cannot be made.
    LRESULT Set(ColourSlot slot, bool focused, COLORREF colour);
};

}  // namespace velmo
