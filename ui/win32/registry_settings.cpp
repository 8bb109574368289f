#include "registry_settings.h"

#include <windows.h>

#include "wide_text.h"

namespace quorvel::win32 {
namespace {

constexpr wchar_t kKeyPath[] = L"Software\\Quorvel";

std::wstring ValueName(std::string_view key) {
  std::wstring name = WideFromUtf8(key);
  if (!name.empty() && name[0] >= L'a' && name[0] <= L'z') name[0] = name[0] - L'a' + L'A';
  return name;
}

}  // namespace

// Any DWORD other than 0 or 1 reads as its number, which the form takes for
// no choice at all; a value of another type is no value.
std::optional<std::string> RegistrySettings::Value(std::string_view key) const {
  DWORD data = 0;
  DWORD size = sizeof(data);
  const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kKeyPath, ValueName(key).c_str(),
                                      RRF_RT_REG_DWORD, nullptr, &data, &size);
  if (status != ERROR_SUCCESS) return std::nullopt;
  if (data == 1) return "true";
  if (data == 0) return "false";
  return std::to_string(data);
}

bool RegistrySettings::SetValue(std::string_view key, std::string_view value) {
  if (value != "true" && value != "false") return false;
  const DWORD data = value == "true" ? 1 : 0;
  HKEY settings = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &settings,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LSTATUS status = RegSetValueExW(settings, ValueName(key).c_str(), 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&data), sizeof(data));
  RegCloseKey(settings);
  return status == ERROR_SUCCESS;
}

}  // namespace quorvel::win32
