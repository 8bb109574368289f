#pragma once

#include <cstddef>
#include <cstdint>

#include "quorvel/text.h"

namespace quorvel::fuzz {

// UTF-8 where the bytes are UTF-8; otherwise every byte is taken as the code
// point of the same value, so that invalid input still reaches the engine and
// NUL, control characters and the codes 128 to 255 are exercised too.
inline Text DecodeLeniently(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto text = DecodeUtf8(bytes)) return *std::move(text);
  Text text;
  text.reserve(size);
  for (char byte : bytes) text.push_back(static_cast<unsigned char>(byte));
  return text;
}

}  // namespace quorvel::fuzz
