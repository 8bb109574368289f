#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "form/settings.h"

namespace quorvel::ui {

// The user's choices in an INI file: $XDG_CONFIG_HOME/quorvel/quorvel.conf
// (~/.config when unset). A file that cannot be read reads as empty; one
// that cannot be written says so and stays as it was.
class SettingsFile : public form::Settings {
 public:
  SettingsFile();  // the user's own file
  explicit SettingsFile(QString path) : path_(std::move(path)) {}

  const QString& Path() const { return path_; }
  std::optional<std::string> Value(std::string_view key) const override;
  bool SetValue(std::string_view key, std::string_view value) override;

 private:
  QString path_;
};

}  // namespace quorvel::ui
