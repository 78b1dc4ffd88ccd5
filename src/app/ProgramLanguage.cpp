#include "app/ProgramLanguage.h"

#include <QDir>
#include <QLibraryInfo>

namespace trellis {

ProgramLanguage::ProgramLanguage(QCoreApplication& app, const QLocale& locale, const QString& translationsFolder)
    : english_(locale.language() == QLocale::English) {
  const auto install = [&](std::unique_ptr<QTranslator> translator) {
    if (app.installTranslator(translator.get())) translators_.push_back(std::move(translator));
  };
  if (!english_) {
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      install(std::move(qt));
    }
    return;
  }
  // Every part of the program has its file: the window, the drawing host, the macros.
  const QDir folder(translationsFolder);
  for (const QString& name : folder.entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name)) {
    auto own = std::make_unique<QTranslator>();
    if (own->load(folder.filePath(name))) install(std::move(own));
  }
}

ProgramLanguage::~ProgramLanguage() {
  for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
}

QString ProgramLanguage::DefaultTranslationsFolder() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

}  // namespace trellis
