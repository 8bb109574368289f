#include "single_instance.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace quorvel::win32 {
namespace {

std::wstring ModuleFileName() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

// The path Windows itself resolves the open file to; empty when it cannot.
std::wstring FinalPath(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::wstring final_path;
  const DWORD size = GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED);
  if (size > 0) {
    std::vector<wchar_t> buffer(size + 1);
    const DWORD length = GetFinalPathNameByHandleW(
        file, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    if (length > 0 && length < buffer.size()) final_path.assign(buffer.data(), length);
  }
  CloseHandle(file);
  return final_path;
}

std::wstring UpperCase(const std::wstring& text) {
  if (text.empty()) return text;
  std::wstring upper(text.size(), L'\0');
  const int length =
      LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.data(), static_cast<int>(text.size()),
                   upper.data(), static_cast<int>(upper.size()));
  if (length <= 0) return text;
  upper.resize(static_cast<std::size_t>(length));
  return upper;
}

// FNV-1a, 64 bits, over the UTF-16 code units.
std::uint64_t Hash(const std::wstring& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t unit : text) {
    hash ^= static_cast<std::uint16_t>(unit);
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

InstanceMutex::InstanceMutex(std::wstring program_path) : name_(MutexName(program_path)) {}

InstanceMutex::~InstanceMutex() {
  if (mutex_) CloseHandle(mutex_);
}

bool InstanceMutex::IsRunning() {
  if (mutex_) return false;  // this instance holds it already
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, name_.c_str());
  const DWORD error = GetLastError();
  if (!mutex) {
    // A mutex of this name that this user may not open was made by an
    // instance running with other rights: still a running instance.
    return error == ERROR_ACCESS_DENIED;
  }
  if (error == ERROR_ALREADY_EXISTS) {
    // Let go at once: if the first instance ends while this one shows its
    // message box, the next start is not refused because of this one.
    CloseHandle(mutex);
    return true;
  }
  mutex_ = mutex;
  return false;
}

std::wstring InstanceMutex::ThisProgramPath() {
  const std::wstring module = ModuleFileName();
  std::wstring resolved = FinalPath(module);
  return resolved.empty() ? module : resolved;
}

std::wstring InstanceMutex::MutexName(const std::wstring& program_path) {
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::uint64_t hash = Hash(UpperCase(program_path));
  std::wstring hex(16, L'0');
  for (auto digit = hex.rbegin(); digit != hex.rend(); ++digit, hash >>= 4) {
    *digit = kDigits[hash & 0xF];
  }
  return L"Local\\Quorvel-" + hex;
}

}  // namespace quorvel::win32
