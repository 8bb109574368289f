#include "lock_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

namespace quorvel::ui {
namespace {

// Not a link, owned by this user, and writable by neither group nor others.
bool OnlyThisUserWrites(const QString& directory) {
  struct stat info {};
  if (::lstat(QFile::encodeName(directory).constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A folder in the user's cache, made private to the user if it is new. One
// per machine: a home directory shared by several machines must not let a
// lock left on one of them refuse the start on another.
QString CacheLockDirectory() {
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (cache.isEmpty() || !QDir().mkpath(cache)) return {};
  const QString directory =
      QDir(cache).filePath(QStringLiteral("quorvel-") + QSysInfo::machineHostName());
  // Fails harmlessly when the folder exists; the check below decides.
  ::mkdir(QFile::encodeName(directory).constData(), S_IRWXU);
  return OnlyThisUserWrites(directory) ? directory : QString();
}

}  // namespace

QString LockDirectory() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (QDir::isAbsolutePath(runtime) && OnlyThisUserWrites(runtime)) return runtime;
  return CacheLockDirectory();
}

}  // namespace quorvel::ui
