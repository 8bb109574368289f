#include "icon_file.h"

#include <fstream>
#include <sstream>

namespace quorvel::install_test {
namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr std::size_t kIcoHeaderSize = 6;
constexpr std::size_t kIcoEntrySize = 16;
constexpr std::size_t kBitmapHeaderSize = 40;

std::uint32_t Little(std::string_view bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

std::uint32_t Big32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

int ChannelsOf(int colour_type) {
  switch (colour_type) {
    case 0:
      return 1;  // grey
    case 2:
      return 3;  // RGB
    case 3:
      return 1;  // palette index
    case 4:
      return 2;  // grey and alpha
    case 6:
      return 4;  // RGBA
    default:
      return 0;
  }
}

// Rows are padded to whole 32-bit words in both the colour and the mask.
std::size_t BitmapRowBytes(std::uint32_t width, std::uint32_t bits) {
  return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

std::optional<IcoImage> ReadBitmapImage(std::string_view data) {
  if (data.size() < kBitmapHeaderSize || Little(data, 0, 4) != kBitmapHeaderSize) return {};
  const std::uint32_t width = Little(data, 4, 4);
  const std::uint32_t double_height = Little(data, 8, 4);  // colour rows plus mask rows
  const std::uint32_t bits = Little(data, 14, 2);
  if (width == 0 || width > 256 || double_height % 2 != 0 || double_height > 512) return {};
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return {};
  const std::uint32_t height = double_height / 2;
  std::size_t palette = 0;
  if (bits <= 8) {
    const std::uint32_t used = Little(data, 32, 4);
    palette = 4 * static_cast<std::size_t>(used != 0 ? used : (1u << bits));
  }
  const std::size_t needed = kBitmapHeaderSize + palette + BitmapRowBytes(width, bits) * height +
                             BitmapRowBytes(width, 1) * height;
  if (data.size() < needed) return {};
  IcoImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.bits_per_pixel = static_cast<int>(bits);
  return image;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::optional<PngHeader> ReadPngHeader(std::string_view bytes) {
  // Signature, then the IHDR chunk: length, type, width, height, depth, colour type.
  if (bytes.size() < 26 || bytes.substr(0, 8) != kPngSignature || bytes.substr(12, 4) != "IHDR") {
    return {};
  }
  PngHeader header;
  header.width = Big32(bytes, 16);
  header.height = Big32(bytes, 20);
  const int depth = static_cast<unsigned char>(bytes[24]);
  const int channels = ChannelsOf(static_cast<unsigned char>(bytes[25]));
  if (channels == 0 || depth == 0) return {};
  header.bits_per_pixel = depth * channels;
  return header;
}

std::optional<std::vector<IcoImage>> ReadIcoImages(std::string_view bytes) {
  if (bytes.size() < kIcoHeaderSize || Little(bytes, 0, 2) != 0 || Little(bytes, 2, 2) != 1) {
    return {};
  }
  const std::size_t count = Little(bytes, 4, 2);
  if (bytes.size() < kIcoHeaderSize + count * kIcoEntrySize) return {};
  std::vector<IcoImage> images;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kIcoHeaderSize + i * kIcoEntrySize;
    // A width or height byte of 0 stands for 256.
    const int listed_width = bytes[entry] == 0 ? 256 : static_cast<unsigned char>(bytes[entry]);
    const int listed_height =
        bytes[entry + 1] == 0 ? 256 : static_cast<unsigned char>(bytes[entry + 1]);
    const auto listed_bits = static_cast<int>(Little(bytes, entry + 6, 2));
    const std::size_t size = Little(bytes, entry + 8, 4);
    const std::size_t offset = Little(bytes, entry + 12, 4);
    if (offset > bytes.size() || size > bytes.size() - offset) return {};
    const std::string_view data = bytes.substr(offset, size);

    std::optional<IcoImage> image;
    if (data.substr(0, kPngSignature.size()) == kPngSignature) {
      const auto png = ReadPngHeader(data);
      if (!png) return {};
      image = IcoImage{};
      image->width = static_cast<int>(png->width);
      image->height = static_cast<int>(png->height);
      image->bits_per_pixel = png->bits_per_pixel;
      image->stored_as_png = true;
    } else {
      image = ReadBitmapImage(data);
      if (!image) return {};
    }
    image->directory_agrees = listed_width == image->width && listed_height == image->height &&
                              listed_bits == image->bits_per_pixel;
    image->data = std::string(data);
    images.push_back(*image);
  }
  return images;
}

}  // namespace quorvel::install_test
