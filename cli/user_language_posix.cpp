#include <cstdlib>
#include <string_view>

#include "user_language.h"

// As gettext looks for the messages' language: the first of these variables
// that is set and not empty decides ("zh_CN.UTF-8", "zh_TW:en", "zh").
quorvel::chemistry::Language UserLanguage() {
  using quorvel::chemistry::Language;
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).starts_with("zh") ? Language::kChinese : Language::kEnglish;
  }
  return Language::kEnglish;
}
