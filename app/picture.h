// A PNG picture from the program's resources, decoded with libpng into a premultiplied 32-bit DIB and drawn
// with its per-pixel alpha over whatever the DC already holds.
#pragma once

#include "app/gdi.h"

class Picture {
public:
    Picture() = default;
    static Picture FromResource(int id);
    static Picture FromPng(const void *data, size_t size);

    void Draw(HDC dc, int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }
    explicit operator bool() const { return bitmap_.get() != nullptr; }

private:
    Bitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
};
