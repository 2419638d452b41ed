#include "tests/windows/support/capture_win.h"

#include <algorithm>
#include <cstdio>

namespace {

// A 32-bit DIB word is 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
DWORD SwapRedAndBlue(DWORD colour) {
    return ((colour >> 16) & 0xFF) | (colour & 0xFF00) | ((colour & 0xFF) << 16);
}

BITMAPINFOHEADER TopDownHeader(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

Image Capture(int width, int height, COLORREF background, const std::function<void(HDC)>& draw) {
    Image image;
    if (width <= 0 || height <= 0) {
        return image;
    }
    BITMAPINFO info{};
    info.bmiHeader = TopDownHeader(width, height);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && bits != nullptr) {
        const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
        DWORD* const words = static_cast<DWORD*>(bits);
        std::fill(words, words + count, SwapRedAndBlue(background));
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        draw(memory);
        GdiFlush();
        SelectObject(memory, previous);
        image.width = width;
        image.height = height;
        image.pixels.resize(count);
        for (size_t i = 0; i < count; ++i) {
            image.pixels[i] = SwapRedAndBlue(words[i]);
        }
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

Image CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    return Capture(width, height, RGB(0, 0, 0), [&](HDC dc) {
        const HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

bool Image::SaveBmp(const std::string& path) const {
    const BITMAPINFOHEADER header = TopDownHeader(width, height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    for (COLORREF pixel : pixels) {
        const DWORD word = SwapRedAndBlue(pixel);
        std::fwrite(&word, 4, 1, out);
    }
    return std::fclose(out) == 0;
}
