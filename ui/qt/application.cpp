#include "application.h"

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "display_check.h"
#include "form/command_line.h"
#include "form1.h"
#include "heap.h"
#include "quorvel/messages.h"
#include "translations.h"

namespace quorvel::ui {

int RunApplication(int argc, char** argv, const StartupHooks& hooks) {
  KeepFreedTextMemory();
  if (!DisplayAvailable()) {
    // In English, as it always was: it is read in a terminal, not the window.
    const std::string line =
        messages::Format(messages::Message::kNoDisplay, messages::Language::kEnglish);
    std::fprintf(stderr, "%s\n", line.c_str());
    return 1;
  }
  QApplication application(argc, argv);
  ReleaseDisplayCheck();
  InstallToolkitTranslations(application);
  if (hooks.application_created) hooks.application_created(application);

  Form1 form;
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments()) {
    arguments.push_back(argument.toStdString());
  }
  form.LoadSettings(form::ChemistryAskedFor(arguments));
  if (!form.Controller().Form_Load()) return quorvel::form::kRefusedStartExitStatus;
  form.ShowCentred();
  if (hooks.window_shown) hooks.window_shown(form);
  return application.exec();
}

}  // namespace quorvel::ui
