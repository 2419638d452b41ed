// Pixels as the tests read them: drawn into a 32-bit bitmap, either by a window (WM_PRINTCLIENT) or copied from the
// screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // RGB(), top row first

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
    // Writes the pixels as a 32-bit BMP file; false when the file cannot be written.
    bool SaveBmp(const std::string& path) const;
};

// A width x height bitmap filled with background, selected into a memory DC that draw paints into; what it holds
// afterwards.
Image Capture(int width, int height, COLORREF background, const std::function<void(HDC)>& draw);
// What the screen shows in rect (screen coordinates).
Image CaptureScreen(const RECT& rect);
