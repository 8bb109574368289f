#include "wide_text.h"

namespace quorvel::win32 {
namespace {

constexpr char32_t kHighFirst = 0xD800;
constexpr char32_t kHighLast = 0xDBFF;
constexpr char32_t kLowFirst = 0xDC00;
constexpr char32_t kLowLast = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;

}  // namespace

std::wstring ToWide(const Text& text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (const char32_t code : text) {
    if (code >= kFirstSupplementary && code <= 0x10FFFF) {
      const char32_t offset = code - kFirstSupplementary;
      wide.push_back(static_cast<wchar_t>(kHighFirst + (offset >> 10)));
      wide.push_back(static_cast<wchar_t>(kLowFirst + (offset & 0x3FF)));
    } else if (code < kFirstSupplementary) {
      wide.push_back(static_cast<wchar_t>(code));
    } else {
      wide.push_back(L'\uFFFD');  // beyond Unicode: no text can hold it
    }
  }
  return wide;
}

Text FromWide(std::wstring_view wide) {
  Text text;
  text.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const auto unit = static_cast<char32_t>(static_cast<unsigned short>(wide[i]));
    if (unit >= kHighFirst && unit <= kHighLast && i + 1 < wide.size()) {
      const auto next = static_cast<char32_t>(static_cast<unsigned short>(wide[i + 1]));
      if (next >= kLowFirst && next <= kLowLast) {
        text.push_back(kFirstSupplementary + ((unit - kHighFirst) << 10) + (next - kLowFirst));
        ++i;
        continue;
      }
    }
    text.push_back(unit);
  }
  return text;
}

std::wstring WideFromUtf8(std::string_view utf8) {
  return ToWide(DecodeUtf8(utf8).value_or(Text()));
}

}  // namespace quorvel::win32
