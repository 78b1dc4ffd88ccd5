#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

namespace trellis {

// The language the program speaks. Its texts are Russian, and Russian is the default; a locale
// whose language is English gets the English translation of the program's texts (the .qm files
// made by Qt Linguist, in "translations" beside the executable) and Qt's own texts in English.
// In Russian, Qt's own texts (message box buttons, file dialogs) come from Qt's translation
// (Debian's qt6-translations-l10n). The translators stay installed while this object lives.
class ProgramLanguage {
 public:
  explicit ProgramLanguage(QCoreApplication& app, const QLocale& locale = QLocale(),
                           const QString& translationsFolder = DefaultTranslationsFolder());
  ~ProgramLanguage();
  ProgramLanguage(const ProgramLanguage&) = delete;
  ProgramLanguage& operator=(const ProgramLanguage&) = delete;

  bool IsEnglish() const { return english_; }
  // How many translation files were found and installed (0: the texts stay as in the source,
  // and in Russian Qt's own stay English).
  int InstalledCount() const { return int(translators_.size()); }

  static QString DefaultTranslationsFolder();

 private:
  bool english_ = false;
  std::vector<std::unique_ptr<QTranslator>> translators_;
};

}  // namespace trellis
