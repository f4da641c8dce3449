#include "documents/recent_files.h"

#include "documents/document_context.h"
#include "documents/document_files.h"
#include "documents/recent_list.h"
#include "resource_ids.h"
#include "settings/option_settings.h"

namespace velmo {

namespace {

// The items go directly in front of this command, wherever its menu has it.
constexpr UINT kAnchor = IDM_HIDE_TO_TRAY;

int SystemCompare(const char* a, const char* b) { return lstrcmpA(a, b); }

// The submenu that holds the anchor, and the anchor's position in it.
HMENU FindAnchor(HMENU mainMenu, int* position) {
    for (int m = 0; m < GetMenuItemCount(mainMenu); ++m) {
        HMENU submenu = GetSubMenu(mainMenu, m);
        for (int i = 0; submenu != nullptr && i < GetMenuItemCount(submenu); ++i) {
            if (GetMenuItemID(submenu, i) != kAnchor) continue;
            *position = i;
            return submenu;
        }
    }
    return nullptr;
}

}  // namespace

void InsertRecentItems(HMENU mainMenu) {
    const Settings& settings = *Documents().settings;
    if (mainMenu == nullptr || settings.mruCount <= 0) return;
    for (int i = 0; i < settings.mruCount && i < kMaxRecentFiles; ++i) {
        char text[kRecentItemTextSize];
        FormatRecentItem(text, i, RecentEntry(settings, i));
        InsertMenuA(mainMenu, kAnchor, MF_BYCOMMAND | MF_STRING, IDM_RECENT_FIRST + i, text);
    }
    InsertMenuA(mainMenu, kAnchor, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
}

void RemoveRecentItems(HMENU mainMenu) {
    const Settings& settings = *Documents().settings;
    if (mainMenu == nullptr || settings.mruCount <= 0) return;
    for (int i = 0; i < settings.mruCount && i < kMaxRecentFiles; ++i) {
        DeleteMenu(mainMenu, IDM_RECENT_FIRST + i, MF_BYCOMMAND);
    }
    int position = 0;
    HMENU submenu = FindAnchor(mainMenu, &position);
    if (submenu != nullptr && position > 0 && GetMenuState(submenu, position - 1, MF_BYPOSITION) & MF_SEPARATOR) {
        DeleteMenu(submenu, position - 1, MF_BYPOSITION);
    }
}

void AddRecentFile(const char* path) {
    const DocumentContext& d = Documents();
    HMENU menu = GetMenu(d.mainWindow);
    RemoveRecentItems(menu);
    AddRecentPath(*d.settings, *d.profile, path, SystemCompare);
    InsertRecentItems(menu);
}

void OpenRecentFile(unsigned index) {
    const DocumentContext& d = Documents();
    if (index < static_cast<unsigned>(d.settings->mruCount)) {
        // A copy: a Save As inside the question may reorder the list.
        char path[kMaxPath];
        BoundedCopy(path, sizeof path, RecentEntry(*d.settings, static_cast<int>(index)));
        if (d.confirmDiscard()) LoadDocument(path);
    }
    SetFocus(d.editView);
}

void ClearRecentList() {
    const DocumentContext& d = Documents();
    RemoveRecentItems(GetMenu(d.mainWindow));
    ClearRecentFiles(*d.settings, *d.profile);
}

}  // namespace velmo
