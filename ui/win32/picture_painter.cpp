#include "picture_painter.h"

#include <cmath>
#include <cstring>

namespace quorvel::win32 {
namespace {

int Pixel(double value) { return static_cast<int>(std::lround(value)); }

POINT At(const drawing::Point& point, POINT origin) {
  return {origin.x + Pixel(point.x), origin.y + Pixel(point.y)};
}

}  // namespace

SIZE PictureSize(const drawing::Picture& picture) {
  return {static_cast<LONG>(std::ceil(picture.width)),
          static_cast<LONG>(std::ceil(picture.height))};
}

void PaintPicture(HDC device, const drawing::Picture& picture, const PictureFonts& fonts,
                  POINT origin, COLORREF ink) {
  const int saved = SaveDC(device);
  SetBkMode(device, TRANSPARENT);
  SetTextColor(device, ink);
  SetTextAlign(device, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  for (const drawing::TextRun& run : picture.runs) {
    double x = run.x;
    for (const PictureFonts::Segment& segment : fonts.Segments(run.text, run.size)) {
      SelectObject(device, segment.font);
      ExtTextOutW(device, origin.x + Pixel(x), origin.y + Pixel(run.baseline), 0, nullptr,
                  segment.text.data(), static_cast<UINT>(segment.text.size()), nullptr);
      x += segment.width;
    }
  }
  const HPEN pen = CreatePen(PS_SOLID, std::max(1, Pixel(picture.stroke_width)), ink);
  const HBRUSH brush = CreateSolidBrush(ink);
  SelectObject(device, pen);
  SelectObject(device, brush);
  for (const drawing::PictureBridge& bridge : picture.bridges) {
    std::vector<POINT> path;
    for (const drawing::Point& point : bridge.path) path.push_back(At(point, origin));
    if (path.size() >= 2) Polyline(device, path.data(), static_cast<int>(path.size()));
    const POINT head[] = {At(bridge.head.tip, origin), At(bridge.head.left, origin),
                          At(bridge.head.right, origin)};
    Polygon(device, head, 3);
  }
  RestoreDC(device, saved);
  DeleteObject(pen);
  DeleteObject(brush);
}

PictureImage RenderPicture(const drawing::Picture& picture, const PictureFonts& fonts, COLORREF ink,
                           COLORREF paper) {
  PictureImage image;
  const SIZE size = PictureSize(picture);
  if (size.cx <= 0 || size.cy <= 0) return image;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC device = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(device, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (device && bitmap && bits) {
    const HGDIOBJ previous = SelectObject(device, bitmap);
    const RECT all{0, 0, size.cx, size.cy};
    const HBRUSH background = CreateSolidBrush(paper);
    FillRect(device, &all, background);
    DeleteObject(background);
    PaintPicture(device, picture, fonts, {0, 0}, ink);
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    image.size = size;
    image.pixels.assign(
        first, first + static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    for (DWORD& pixel : image.pixels) pixel &= 0xFFFFFF;
    SelectObject(device, previous);
  }
  if (bitmap) DeleteObject(bitmap);
  if (device) DeleteDC(device);
  return image;
}

HGLOBAL PackedDib(const PictureImage& image) {
  if (image.pixels.empty()) return nullptr;
  const auto width = static_cast<std::size_t>(image.size.cx);
  const auto height = static_cast<std::size_t>(image.size.cy);
  const std::size_t row = width * sizeof(DWORD);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + row * height);
  if (!memory) return nullptr;
  auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
  if (!header) {
    GlobalFree(memory);
    return nullptr;
  }
  *header = {};
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = image.size.cx;
  header->biHeight = image.size.cy;  // bottom row first, as every reader takes it
  header->biPlanes = 1;
  header->biBitCount = 32;
  header->biCompression = BI_RGB;
  header->biSizeImage = static_cast<DWORD>(row * height);
  auto* rows = reinterpret_cast<unsigned char*>(header + 1);
  for (std::size_t y = 0; y < height; ++y) {
    std::memcpy(rows + (height - 1 - y) * row, image.pixels.data() + y * width, row);
  }
  GlobalUnlock(memory);
  return memory;
}

}  // namespace quorvel::win32
