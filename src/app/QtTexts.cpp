#include "app/QtTexts.h"

#include <QLibraryInfo>
#include <QLocale>

namespace trellis {

bool InstallRussianQtTexts(QCoreApplication& app, QTranslator& texts) {
  if (!texts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  return app.installTranslator(&texts);
}

}  // namespace trellis
