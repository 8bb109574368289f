#include "single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvel::ui {

SingleInstanceLock::SingleInstanceLock(const QString& directory, const QString& program_path)
    : path_(QDir(directory).filePath(LockFileName(program_path))), lock_(path_) {
  // The lock lives as long as the program: only a dead owner makes it stale,
  // never its age.
  lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::TryAcquire() {
  const QString directory = QFileInfo(path_).absolutePath();
  if (!QFileInfo::exists(directory) && QDir().mkpath(directory)) {
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  if (lock_.tryLock(0)) return true;
  return lock_.error() != QLockFile::LockFailedError;
}

QString SingleInstanceLock::PerUserDirectory() {
  QString directory;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  // Without XDG_RUNTIME_DIR the toolkit would warn on every start; go straight
  // to the fallback below instead.
  const bool have_runtime_directory = !qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR");
#else
  const bool have_runtime_directory = true;
#endif
  if (have_runtime_directory) {
    directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  }
  if (directory.isEmpty()) {
    // The shared temporary directory, made per user by the home directory's hash.
    const QByteArray home = QDir::homePath().toUtf8();
    directory =
        QDir(QDir::tempPath())
            .filePath(
                QStringLiteral("quorvel-") +
                QString::fromLatin1(
                    QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(12)));
  }
  return directory;
}

QString SingleInstanceLock::ThisProgramPath() {
  const QString path = QCoreApplication::applicationFilePath();
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? path : canonical;
}

QString SingleInstanceLock::LockFileName(const QString& program_path) {
#ifdef Q_OS_WIN
  const QByteArray key = program_path.toLower().toUtf8();
#else
  const QByteArray key = program_path.toUtf8();
#endif
  const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
  return QStringLiteral("quorvel-") + QString::fromLatin1(digest.left(16)) +
         QStringLiteral(".lock");
}

}  // namespace quorvel::ui
