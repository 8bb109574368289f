#include "single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace quorvel::ui {

SingleInstanceLock::SingleInstanceLock(const QString& directory, const QString& program_path)
    : path_(directory.isEmpty() ? QString() : QDir(directory).filePath(LockFileName(program_path))),
      lock_(path_) {
  // The lock lives as long as the program: only a dead owner makes it stale,
  // never its age.
  lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::TryAcquire() {
  if (path_.isEmpty()) return true;  // nowhere to keep a lock
  if (lock_.tryLock(0)) return true;
  return lock_.error() != QLockFile::LockFailedError;
}

QString SingleInstanceLock::ThisProgramPath() {
  const QString path = QCoreApplication::applicationFilePath();
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? path : canonical;
}

QString SingleInstanceLock::LockFileName(const QString& program_path) {
  // File names are case-sensitive where this front end builds (Linux): two
  // spellings are two programs.
  const QByteArray digest =
      QCryptographicHash::hash(program_path.toUtf8(), QCryptographicHash::Sha1).toHex();
  return QStringLiteral("quorvel-") + QString::fromLatin1(digest.left(16)) +
         QStringLiteral(".lock");
}

}  // namespace quorvel::ui
