#pragma once

// Paints a laid-out 双线桥 with GDI exactly where the layout put each piece:
// runs on their baselines, bridges as polylines of the stroke's width, arrow
// heads filled.
#include <windows.h>

#include <vector>

#include "picture_fonts.h"
#include "quorvel/drawing/picture.h"

namespace quorvel::win32 {

// The whole pixels that hold the picture.
SIZE PictureSize(const drawing::Picture& picture);

// Paints `picture` with its top-left corner at `origin` of `device`.
void PaintPicture(HDC device, const drawing::Picture& picture, const PictureFonts& fonts,
                  POINT origin, COLORREF ink);

// The picture alone on `paper`, top row first, 0x00RRGGBB per pixel.
struct PictureImage {
  SIZE size{0, 0};
  std::vector<DWORD> pixels;
};
PictureImage RenderPicture(const drawing::Picture& picture, const PictureFonts& fonts, COLORREF ink,
                           COLORREF paper);

// The image as the clipboard's CF_DIB takes it: a BITMAPINFOHEADER followed
// by its rows, bottom row first. Null when no memory is left.
HGLOBAL PackedDib(const PictureImage& image);

}  // namespace quorvel::win32
