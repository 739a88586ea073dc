// Small owners of GDI objects and device contexts: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject &operator=(GdiObject &&other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    ~GdiObject() {
        if (handle_)
            DeleteObject(handle_);
    }
    Handle get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC for the lifetime of the guard.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard &) = delete;
    SelectGuard &operator=(const SelectGuard &) = delete;
    ~SelectGuard() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

class PaintContext {
public:
    explicit PaintContext(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintContext(const PaintContext &) = delete;
    PaintContext &operator=(const PaintContext &) = delete;
    ~PaintContext() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

class MemoryContext {
public:
    explicit MemoryContext(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    MemoryContext(const MemoryContext &) = delete;
    MemoryContext &operator=(const MemoryContext &) = delete;
    ~MemoryContext() { DeleteDC(dc_); }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
};

inline void FillSolid(HDC dc, const RECT &rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}
