// Prints what a shortcut (.lnk) tells Windows, read the way the shell reads
// it: the program it starts, its arguments and folder, the icon it is drawn
// with (file, index and the name of that icon resource in the file) and its
// comment. scripts/check-windows.sh compares this with what the installer
// should have made.
//   quorvel_shortcut_probe SHORTCUT.lnk

// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include <cstdio>
#include <string>

#include "wide_text.h"

namespace {

// The shell counts the group icons of a file in the order of its resource
// directory; index i draws the i-th.
BOOL CALLBACK TakeIndexedName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR state) {
  auto* wanted = reinterpret_cast<std::pair<int, std::wstring>*>(state);
  if (wanted->first-- > 0) return TRUE;
  wanted->second = IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                                        : std::wstring(name);
  return FALSE;
}

std::wstring IconResourceName(const std::wstring& file, int index) {
  const HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return L"(file unreadable)";
  std::pair<int, std::wstring> wanted{index, L"(no such icon)"};
  EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* group icon */, TakeIndexedName,
                     reinterpret_cast<LONG_PTR>(&wanted));
  FreeLibrary(module);
  return wanted.second;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: quorvel_shortcut_probe SHORTCUT.lnk\n", stderr);
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))) ||
      FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) ||
      FAILED(file->Load(argv[1], STGM_READ))) {
    std::fputs("quorvel_shortcut_probe: cannot read the shortcut\n", stderr);
    return 1;
  }
  wchar_t text[INFOTIPSIZE];
  int icon_index = 0;
  link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
  std::printf("target: %s\n", Utf8(text).c_str());
  link->GetArguments(text, INFOTIPSIZE);
  std::printf("arguments: %s\n", Utf8(text).c_str());
  link->GetWorkingDirectory(text, MAX_PATH);
  std::printf("folder: %s\n", Utf8(text).c_str());
  link->GetIconLocation(text, MAX_PATH, &icon_index);
  std::printf("icon: %s,%d %s\n", Utf8(text).c_str(), icon_index,
              Utf8(IconResourceName(text, icon_index)).c_str());
  link->GetDescription(text, INFOTIPSIZE);
  std::printf("comment: %s\n", Utf8(text).c_str());
  file->Release();
  link->Release();
  CoUninitialize();
  return 0;
}
