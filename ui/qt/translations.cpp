#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quorvel::ui {

QTranslator* InstallToolkitTranslations(QCoreApplication& application, const QString& directory) {
  auto* catalogue = new QTranslator(&application);
  // qtbase alone: the widgets' texts, without the other modules' catalogues.
  if (!catalogue->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                       QStringLiteral("_"), directory)) {
    delete catalogue;
    return nullptr;
  }
  QCoreApplication::installTranslator(catalogue);
  return catalogue;
}

}  // namespace quorvel::ui
