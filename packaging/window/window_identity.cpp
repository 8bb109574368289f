// Gives every window of the program its icon and its desktop identity the
// moment the application object exists, so the window code needs no call of
// its own and the icon stays owned by the packaging that draws it.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QSize>
#include <QString>

namespace {

void InstallWindowIdentity() {
  // A console-only QCoreApplication has no windows to decorate.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;

  if (QGuiApplication::windowIcon().isNull()) {
    QIcon icon;
    // With a size given, QIcon reads each file only when that size is drawn.
    for (const int size : {16, 32, 48, 256}) {
      icon.addFile(QStringLiteral(":/quorvel/quorvel-%1.png").arg(size), QSize(size, size));
    }
    QGuiApplication::setWindowIcon(icon);
  }
  // Wayland compositors match the window to its desktop entry by this name.
  if (QGuiApplication::desktopFileName().isEmpty()) {
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
  }
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallWindowIdentity)
