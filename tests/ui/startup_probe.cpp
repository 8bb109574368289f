// The program's own start-up with hooks for the multi-process tests. It
// prints one tab-separated line per event on standard output:
//   message-box <title> <text> <icon> <buttons> <OK's text>
//                                                (the box is then accepted)
//   window-shown <visible> <focus widget>
//   context-menu <box> <entry> ...               (the entries of its menu)
//   quit <Text3's text>                          (when the event loop ends)
// The first argument picks what it does once the window is shown:
//   idle                  wait; close the window when standard input ends
//   balance-then-close WHEN EQUATION
//                         start a balance of EQUATION and close the window
//                         from inside the engine's first yield (WHEN is
//                         first-yield) or its first yield after the matrix
//                         was written (matrix-written)
//   context-menus         report the right-click menus of Text1 and Text3,
//                         then close the window
#include <unistd.h>

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "application.h"
#include "form1.h"
#include "text_box.h"

namespace {

void Print(const QStringList& fields) {
  std::fputs((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
  std::fflush(stdout);
}

void AcceptMessageBoxes(QApplication& application) {
  auto* timer = new QTimer(&application);
  QObject::connect(timer, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    Print({QStringLiteral("message-box"), box->windowTitle(), box->text(),
           box->icon() == QMessageBox::Critical ? QStringLiteral("critical")
                                                : QStringLiteral("other-icon"),
           box->standardButtons() == QMessageBox::Ok ? QStringLiteral("ok-only")
                                                     : QStringLiteral("other-buttons"),
           box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->text() : QString()});
    box->button(QMessageBox::Ok)->click();
  });
  timer->start(20);
}

void PrintContextMenus(quorvel::ui::Form1& form) {
  for (const QString& name : {QStringLiteral("Text1"), QStringLiteral("Text3")}) {
    auto* box = form.findChild<quorvel::ui::TextBox*>(name);
    // Copy and Select All are offered only when there is something to take.
    box->setText(QStringLiteral("H2+O2=H2O"));
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    QStringList fields{QStringLiteral("context-menu"), name};
    for (const QAction* action : menu->actions()) {
      // The shortcut after the tab is the platform's business.
      if (!action->isSeparator()) fields << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    Print(fields);
  }
}

void CloseWhenInputEnds(quorvel::ui::Form1& form) {
  auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &form);
  QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form, notifier] {
    char buffer[256];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
      notifier->setEnabled(false);
      form.close();
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "idle";
  const std::string close_when = argc > 2 ? argv[2] : "first-yield";
  const QString equation = argc > 3 ? QString::fromUtf8(argv[3]) : QString();

  quorvel::ui::StartupHooks hooks;
  hooks.application_created = [](QApplication& application) { AcceptMessageBoxes(application); };
  hooks.window_shown = [&](quorvel::ui::Form1& form) {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus) focus = form.focusWidget();
    Print({QStringLiteral("window-shown"),
           form.isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden"),
           focus ? focus->objectName() : QStringLiteral("no-focus")});
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&form] {
      Print({QStringLiteral("quit"),
             form.findChild<quorvel::ui::TextBox*>(QStringLiteral("Text3"))->text()});
    });
    if (mode == "balance-then-close") {
      form.findChild<quorvel::ui::TextBox*>(QStringLiteral("Text1"))->setText(equation);
      const quorvel::ui::TextBox* text2 =
          form.findChild<quorvel::ui::TextBox*>(QStringLiteral("Text2"));
      const QString untouched = text2->text();
      // A zero-interval timer runs once in every pass of the events, so in
      // every yield of the engine.
      auto* closer = new QTimer(&form);
      closer->setInterval(0);
      QObject::connect(closer, &QTimer::timeout, &form, [&form, &close_when, text2, untouched] {
        if (!form.Controller().Balancing()) return;
        if (close_when == "matrix-written" &&
            (text2->text().isEmpty() || text2->text() == untouched)) {
          return;
        }
        form.close();
      });
      closer->start();
      QTimer::singleShot(0, &form, [&form] { form.Controller().Command1_Click(); });
    } else if (mode == "context-menus") {
      PrintContextMenus(form);
      // Once the event loop runs: a quit before it starts would be lost.
      QTimer::singleShot(0, &form, [&form] { form.close(); });
    } else {
      CloseWhenInputEnds(form);
    }
  };
  return quorvel::ui::RunApplication(argc, argv, hooks);
}
