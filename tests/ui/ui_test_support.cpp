#include "ui_test_support.h"

#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace quorvel::ui::test {
namespace {

QString& Report() {
  static QString report;
  return report;
}

void CloseModalDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  QString text = modal->windowTitle();
  if (const auto* box = qobject_cast<QMessageBox*>(modal))
    text += QStringLiteral(": ") + box->text();
  Report() += text + QStringLiteral("; ");
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

}  // namespace

void ModalWatchdog::Install() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] { CloseModalDialog(); });
  timer->start(50);
}

QString ModalWatchdog::TakeReport() {
  CloseModalDialog();
  return std::exchange(Report(), QString());
}

int RunOffscreen(int argc, char** argv, QObject& test_object) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // A runtime folder of the test's own, removed at the end: without one the
  // toolkit makes /tmp/runtime-$USER and leaves it there.
  const QTemporaryDir runtime;
  if (!runtime.isValid()) return 1;
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  QApplication application(argc, argv);
  ModalWatchdog::Install();
  return QTest::qExec(&test_object, argc, argv);
}

}  // namespace quorvel::ui::test
