#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::install_test {

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bits_per_pixel = 0;  // bit depth times channels
};

// The size and depth a PNG declares; nullopt when the bytes are not a PNG.
std::optional<PngHeader> ReadPngHeader(std::string_view bytes);

struct IcoImage {
  // As read from the image data itself, not from the icon's directory.
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
  bool stored_as_png = false;
  // The directory entry names the same size and depth as the data.
  bool directory_agrees = false;
  std::string data;
};

// Every image of an .ico file; nullopt when the file is malformed: a wrong
// header, an image outside the file, or a bitmap too short for its pixels
// and transparency mask.
std::optional<std::vector<IcoImage>> ReadIcoImages(std::string_view bytes);

}  // namespace quorvel::install_test
