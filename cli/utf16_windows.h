#pragma once

#include <string>
#include <string_view>

// UTF-16 from the Windows API (command line, console) as the UTF-8 the
// engine reads.
std::string WideToUtf8(std::wstring_view wide);
