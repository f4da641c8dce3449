#include "settings/message_boxes.h"

#include "common/product_name.h"
#include "resource_ids.h"
#include "settings/language_library.h"

namespace velmo {

namespace {

int SystemMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return MessageBoxA(owner, text, caption, type);
}

MessageBoxFunction current = SystemMessageBox;

constexpr std::size_t kMessageSize = 1024;

}  // namespace

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction box) {
    MessageBoxFunction previous = current;
    current = box != nullptr ? box : SystemMessageBox;
    SetLanguageMessageBox(current);
    return previous;
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return current(owner, text, caption, type);
}

int ShowStringBox(HWND owner, UINT textId, UINT captionId, UINT type) {
    char text[kMessageSize];
    char caption[kMessageSize];
    LoadLanguageString(textId, text, sizeof text);
    if (captionId == 0) {
        BoundedCopy(caption, sizeof caption, kProductName);
    } else {
        LoadLanguageString(captionId, caption, sizeof caption);
    }
    return ShowMessageBox(owner, text, caption, type);
}

int ShowErrorBox(HWND owner, UINT textId, UINT buttons) {
    return ShowStringBox(owner, textId, IDS_ERROR_CAPTION, buttons | MB_ICONERROR);
}

}  // namespace velmo
