#include "app/picture.h"

#include <png.h>

#include <vector>

Picture Picture::FromResource(int id) {
    HRSRC found =
        FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /*RT_RCDATA*/);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(GetModuleHandleA(nullptr), found);
    return FromPng(LockResource(loaded), SizeofResource(GetModuleHandleA(nullptr), found));
}

Picture Picture::FromPng(const void *data, size_t size) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size))
        return {};
    image.format = PNG_FORMAT_BGRA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -static_cast<LONG>(image.height); // top-down rows, as libpng gives them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    Picture picture;
    picture.bitmap_ = Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture.bitmap_.get())
        return {};
    // AlphaBlend wants premultiplied colours.
    auto *out = static_cast<BYTE *>(bits);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        unsigned alpha = pixels[i + 3];
        for (int c = 0; c < 3; ++c)
            out[i + c] = static_cast<BYTE>((pixels[i + c] * alpha + 127) / 255);
        out[i + 3] = static_cast<BYTE>(alpha);
    }
    picture.width_ = image.width;
    picture.height_ = image.height;
    return picture;
}

void Picture::Draw(HDC dc, int x, int y) const {
    if (!bitmap_.get())
        return;
    MemoryContext source(dc);
    SelectGuard select(source.dc(), bitmap_.get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, width_, height_, source.dc(), 0, 0, width_, height_, blend);
}
