#include "view_picture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "editview/view/painter.h"

namespace velmo::test {

namespace {

// A memory context with a top-down 32-bit section selected, white.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        std::memset(bits_, 0xFF, static_cast<std::size_t>(width) * height * 4);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC Dc() const { return dc_; }
    Picture Take() const {
        GdiFlush();
        Picture picture{width_, height_, {}};
        auto* bits = static_cast<const std::uint32_t*>(bits_);
        picture.pixels.assign(bits, bits + static_cast<std::size_t>(width_) * height_);
        for (auto& p : picture.pixels) p &= 0xFFFFFF;
        return picture;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};

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

void Picture::Save(const std::string& name) const {
    char exe[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe, n);
    folder = folder.substr(0, folder.find_last_of('\\'));
    folder = folder.substr(0, folder.find_last_of('\\')) + "\\artefacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::FILE* file = std::fopen((folder + "\\" + name + ".bmp").c_str(), "wb");
    if (file == nullptr) return;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    std::fwrite(pixels.data(), 4, pixels.size(), file);
    std::fclose(file);
}

Picture Render(HWND edit) {
    RECT client;
    GetClientRect(edit, &client);
    Canvas canvas(client.right, client.bottom);
    PaintRows(canvas.Dc(), client);
    return canvas.Take();
}

Picture Capture(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    HDC screen = GetDC(window);
    BitBlt(canvas.Dc(), 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    return canvas.Take();
}

Picture TextPicture(int width, int height, HFONT font, const char* text, int x, int y, bool right) {
    Canvas canvas(width, height);
    SelectObject(canvas.Dc(), font);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextColor(canvas.Dc(), RGB(0, 0, 0));
    SetTextAlign(canvas.Dc(), right ? TA_RIGHT : TA_LEFT);
    TextOutA(canvas.Dc(), x, y, text, static_cast<int>(std::strlen(text)));
    return canvas.Take();
}

}  // namespace velmo::test
