#pragma once

// The user's choices in the registry, under HKCU\Software\Quorvel: a choice
// of on or off is a DWORD (1 or 0) named like the key with a capital first
// letter ("chemistry" is Chemistry).
#include <optional>
#include <string>
#include <string_view>

#include "form/settings.h"

namespace quorvel::win32 {

class RegistrySettings : public form::Settings {
 public:
  std::optional<std::string> Value(std::string_view key) const override;
  bool SetValue(std::string_view key, std::string_view value) override;
};

}  // namespace quorvel::win32
