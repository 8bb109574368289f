#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The engine works on characters, not bytes: a full-width sign or a Chinese
// character is one position, exactly like a letter.
using Text = std::u32string;

// Decodes UTF-8; nullopt when the bytes are not valid UTF-8 (overlong forms,
// surrogates and code points above U+10FFFF included).
std::optional<Text> DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(const Text& text);

// Replaces every occurrence of `from` by `to`, left to right, non-overlapping.
Text ReplaceAll(const Text& text, const Text& from, const Text& to);

}  // namespace quorvel
