#include "view_picture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

#include "editview/view/painter.h"

namespace velmo::test {

namespace {

// What `paint` draws into a white top-down 32-bit section of the given size.
Picture Draw(int width, int height, const std::function<void(HDC)>& paint) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    std::memset(bits, 0xFF, static_cast<std::size_t>(width) * height * 4);
    paint(dc);
    GdiFlush();
    Picture picture{width, height, {}};
    picture.pixels.assign(static_cast<const std::uint32_t*>(bits),
                          static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(width) * height);
    for (auto& p : picture.pixels) p &= 0xFFFFFF;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture;
}

}  // namespace

COLORREF Picture::At(int x, int y) const {
    std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Picture::Count(int left, int top, int right, int bottom, COLORREF colour) const {
    int n = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, height); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, width); ++x) n += At(x, y) == colour ? 1 : 0;
    }
    return n;
}

bool Picture::Shows(const Picture& drawn, RECT area, int dx, int dy, COLORREF background) const {
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if ((At(x, y) != background) != (drawn.At(x - dx, y - dy) != RGB(0xFF, 0xFF, 0xFF))) return false;
        }
    }
    return true;
}

void Picture::Save(const std::string& name) const {
    char exe[MAX_PATH];
    std::string folder(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    folder = folder.substr(0, folder.find_last_of('\\'));
    folder = folder.substr(0, folder.find_last_of('\\')) + "\\artefacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::FILE* file = std::fopen((folder + "\\" + name + ".bmp").c_str(), "wb");
    if (file == nullptr) return;
    BITMAPINFOHEADER info{sizeof info, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER header{0x4D42, 0, 0, 0, sizeof header + sizeof info};
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    std::fwrite(pixels.data(), 4, pixels.size(), file);
    std::fclose(file);
}

Picture Render(HWND edit) {
    RECT client;
    GetClientRect(edit, &client);
    return Draw(client.right, client.bottom, [&](HDC dc) { PaintRows(dc, client); });
}

Picture Capture(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return Draw(client.right, client.bottom, [&](HDC dc) {
        HDC screen = GetDC(window);
        BitBlt(dc, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    });
}

Picture TextPicture(int width, int height, HFONT font, const char* text, int x, int y, bool right) {
    return Draw(width, height, [&](HDC dc) {
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        SetTextAlign(dc, right ? TA_RIGHT : TA_LEFT);
        TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
    });
}

}  // namespace velmo::test
