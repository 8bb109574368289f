// clang-format off
#include <windows.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "bounded_line.h"
#include "input_line.h"
#include "utf16_windows.h"

namespace {

// Ctrl+Z is how a console user ends the input, as everywhere on Windows.
constexpr wchar_t kEndOfInputKey = 0x1A;

// A console hands over what was typed as UTF-16, whatever its code page: an
// input method's full-width signs and Chinese characters arrive as they are.
// A narrow read would pass them through the console's code page first and
// turn every character the page cannot hold into another one.
class ConsoleLines {
 public:
  explicit ConsoleLines(HANDLE console) : console_(console) {}

  // Of a line longer than `limit` bytes, the first `limit` are kept and the
  // rest dropped as it arrives (a UTF-16 unit is at least one byte in UTF-8).
  bool Next(std::string& line, std::size_t limit) {
    if (ended_) return false;
    std::wstring kept;
    bool over = false;
    std::size_t end = pending_.find_first_of(kLineEnds);
    while (end == std::wstring::npos) {
      if (pending_.size() > limit) {
        if (!over) kept = pending_.substr(0, limit);
        over = true;
        pending_.clear();
      }
      const std::size_t searched = pending_.size();
      if (!ReadMore()) {
        // A line cut off by a closing console is still a line.
        ended_ = true;
        if (pending_.empty() && !over) return false;
        end = pending_.size();
        break;
      }
      end = pending_.find_first_of(kLineEnds, searched);
    }
    if (end < pending_.size() && pending_[end] == kEndOfInputKey) {
      // What was typed before Ctrl+Z on its line is the last line.
      ended_ = true;
      if (end == 0 && !over) return false;
    }
    line = WideToUtf8(over ? std::wstring_view(kept) : std::wstring_view(pending_).substr(0, end));
    if (line.size() > limit) line.resize(limit);
    pending_.erase(0, end + 1);
    return true;
  }

 private:
  static constexpr wchar_t kLineEnds[] = {L'\n', kEndOfInputKey, L'\0'};

  // One read returns at most one typed line, or the part of a long line that
  // fits the buffer; the rest comes with the next read.
  bool ReadMore() {
    constexpr DWORD kChunk = 1024;
    wchar_t chunk[kChunk];
    DWORD got = 0;
    if (!ReadConsoleW(console_, chunk, kChunk, &got, nullptr) || got == 0) return false;
    pending_.append(chunk, got);
    return true;
  }

  HANDLE console_;
  std::wstring pending_;
  bool ended_ = false;
};

// A file or a pipe holds UTF-8 bytes, read exactly as on Linux: in binary
// mode, so that neither a CR LF pair nor a Ctrl+Z byte changes the lines.
bool ReadByteLine(std::string& line) { return static_cast<bool>(std::getline(std::cin, line)); }

struct StandardInput {
  StandardInput() {
    const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
      console = std::make_unique<ConsoleLines>(handle);
    } else {
      _setmode(_fileno(stdin), _O_BINARY);
    }
  }
  std::unique_ptr<ConsoleLines> console;
};

StandardInput& Input() {
  static StandardInput input;
  return input;
}

}  // namespace

bool ReadInputLine(std::string& line) {
  StandardInput& input = Input();
  return input.console ? input.console->Next(line, std::string::npos) : ReadByteLine(line);
}

bool ReadBoundedInputLine(std::string& line, std::size_t limit) {
  StandardInput& input = Input();
  return input.console ? input.console->Next(line, limit) : ReadBoundedLine(std::cin, line, limit);
}
