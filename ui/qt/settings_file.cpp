#include "settings_file.h"

#include <QSettings>
#include <QStandardPaths>

namespace quorvel::ui {
namespace {

QString Key(std::string_view key) {
  return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

SettingsFile::SettingsFile()
    : path_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/quorvel/quorvel.conf")) {}

std::optional<std::string> SettingsFile::Value(std::string_view key) const {
  const QSettings file(path_, QSettings::IniFormat);
  if (file.status() != QSettings::NoError) return std::nullopt;
  const QVariant value = file.value(Key(key));
  // A list or a group under the key is no text of ours.
  if (!value.isValid() || value.typeId() != QMetaType::QString) return std::nullopt;
  return value.toString().toStdString();
}

bool SettingsFile::SetValue(std::string_view key, std::string_view value) {
  QSettings file(path_, QSettings::IniFormat);
  // Writing over a file it could not read would throw the rest of it away.
  if (file.status() != QSettings::NoError) return false;
  file.setValue(Key(key), Key(value));
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace quorvel::ui
