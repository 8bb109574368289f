#include <windows.h>

#include "user_language.h"

// The language the user chose for Windows' own menus and messages.
quorvel::chemistry::Language UserLanguage() {
  using quorvel::chemistry::Language;
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::kChinese
                                                                   : Language::kEnglish;
}
