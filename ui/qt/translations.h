#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace quorvel::ui {

// Gives the toolkit's own texts (the boxes' context menu, standard buttons)
// in Simplified Chinese whatever the user's locale, since the whole window is
// Chinese. Returns the installed catalogue, owned by the application, or
// nullptr when `directory` holds none: the toolkit then speaks English.
QTranslator* InstallToolkitTranslations(
    QCoreApplication& application,
    const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace quorvel::ui
