// Move-only owners of GDI objects and device contexts, so that a window repainting every second cannot leak a
// handle. Declare them in acquisition order; destruction runs in reverse, which is the order GDI wants (a
// selection is undone before its object or DC goes away).
#pragma once

#include <windows.h>

#include <utility>

// A pen, brush, font or bitmap, deleted with DeleteObject.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    ~GdiObject() { Reset(nullptr); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// BeginPaint .. EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }

    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Info() const { return paint_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// GetDC .. ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }

    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// CreateCompatibleDC .. DeleteDC.
class MemoryDc {
  public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }

    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

// SelectObject, undone when the scope ends.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An off-screen surface: a memory DC compatible with target holding a width x height bitmap. Draw into Dc(), then
// CopyTo the target.
class BackBuffer {
  public:
    BackBuffer(HDC target, int width, int height)
        : width_(width),
          height_(height),
          dc_(target),
          bitmap_(CreateCompatibleBitmap(target, width, height)),
          selection_(dc_.Get(), bitmap_.Get()) {}

    HDC Dc() const { return dc_.Get(); }
    void CopyTo(HDC target) const { BitBlt(target, 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY); }

  private:
    int width_;
    int height_;
    MemoryDc dc_;
    Bitmap bitmap_;
    Selection selection_;
};
