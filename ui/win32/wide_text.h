#pragma once

// The engine's texts are UTF-32; the Windows API speaks UTF-16.
#include <string>
#include <string_view>

#include "quorvel/text.h"

namespace quorvel::win32 {

// Characters above U+FFFF become surrogate pairs. A lone surrogate (the
// engine never makes one, but a pasted text may carry it) keeps its value, so
// a text read from a box and written back is unchanged.
std::wstring ToWide(const Text& text);
Text FromWide(std::wstring_view wide);

// The form's UTF-8 texts (captions, titles) as the API takes them.
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace quorvel::win32
