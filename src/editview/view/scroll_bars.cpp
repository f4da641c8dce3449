#include "editview/view/scroll_bars.h"

#include <algorithm>
#include <cstring>

namespace velmo {

namespace {

// Soon enough to follow typing, seldom enough to cost little.
constexpr UINT kDrawDelay = 40;

int Clamped(std::uint32_t value) { return static_cast<int>(std::min<std::uint32_t>(value, 0x7FFFFFFF)); }

bool Look(HWND window, int bar, SCROLLBARINFO* look) {
    look->cbSize = sizeof *look;
    return GetScrollBarInfo(window, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, look) != FALSE;
}

bool LooksTheSame(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
    return a.xyThumbTop == b.xyThumbTop && a.xyThumbBottom == b.xyThumbBottom &&
           std::memcmp(a.rgstate, b.rgstate, sizeof a.rgstate) == 0;
}

}  // namespace

void ScrollBars::Set(HWND window, int bar, std::uint32_t last, std::uint32_t page, std::uint32_t pos) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    SCROLLINFO now = info;
    info.nMax = Clamped(last);
    info.nPage = page;
    info.nPos = Clamped(pos);
    if (GetScrollInfo(window, bar, &now) && now.nMin == 0 && now.nMax == info.nMax && now.nPage == info.nPage &&
        now.nPos == info.nPos) {
        return;
    }
    info.fMask |= SIF_DISABLENOSCROLL;
    Store(window, bar, info);
}

void ScrollBars::SetPosition(HWND window, int bar, std::uint32_t pos) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = Clamped(pos);
    Store(window, bar, info);
}

void ScrollBars::Store(HWND window, int bar, const SCROLLINFO& info) {
    SCROLLBARINFO before, after;
    bool known = Look(window, bar, &before);
    SetScrollInfo(window, bar, &info, FALSE);
    if (known && Look(window, bar, &after) && LooksTheSame(before, after)) return;
    StartTimer(window);
    waiting_[bar == SB_VERT] = true;
}

void ScrollBars::Remind(HWND window) {
    StartTimer(window);
    reminded_ = true;
}

void ScrollBars::StartTimer(HWND window) {
    if (!waiting_[0] && !waiting_[1] && !reminded_) SetTimer(window, kScrollBarTimer, kDrawDelay, nullptr);
}

void ScrollBars::DrawWaiting(HWND window) {
    KillTimer(window, kScrollBarTimer);
    reminded_ = false;
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (!waiting_[bar == SB_VERT]) continue;
        waiting_[bar == SB_VERT] = false;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        if (!GetScrollInfo(window, bar, &info)) continue;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        SetScrollInfo(window, bar, &info, TRUE);
    }
}

}  // namespace velmo
