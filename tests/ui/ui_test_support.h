#pragma once

#include <QApplication>
#include <QString>
#include <QtTest>

namespace quorvel::ui::test {

// Closes any modal dialog that appears while a test runs and remembers it:
// the window must never stop a user with a box nobody asked for.
class ModalWatchdog {
 public:
  static void Install();
  // The title and text of the dialogs closed since the last call; empty when none.
  static QString TakeReport();
};

// Qt Test's main, on the offscreen platform whatever the environment says.
int RunOffscreen(int argc, char** argv, QObject& test_object);

}  // namespace quorvel::ui::test

#define QUORVEL_OFFSCREEN_TEST_MAIN(TestClass)                       \
  int main(int argc, char** argv) {                                  \
    TestClass test_object;                                           \
    return quorvel::ui::test::RunOffscreen(argc, argv, test_object); \
  }

// For every test's cleanup().
#define QUORVEL_VERIFY_NO_MODAL_DIALOG()                                          \
  do {                                                                            \
    const QString report = quorvel::ui::test::ModalWatchdog::TakeReport();        \
    QVERIFY2(report.isEmpty(), qPrintable("unexpected modal dialog: " + report)); \
  } while (false)
