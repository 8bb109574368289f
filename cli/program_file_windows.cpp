#include <windows.h>

#include <string>

#include "web_page.h"

std::filesystem::path ProgramFile() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (got == 0) return {};
    if (got < name.size()) {
      name.resize(got);
      return name;
    }
    name.resize(name.size() * 2);  // the name was cut short
  }
}
