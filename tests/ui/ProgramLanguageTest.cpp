#include "app/ProgramLanguage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace trellis {
namespace {

QString CancelText() {
  return QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text();
}

// Russian unless the locale asks for English: then the program's own texts come from its
// English translation, and Qt's own texts stay English.
TEST(ProgramLanguage, RussianByDefaultEnglishWhenTheLocaleAsks) {
  QApplication& app = *qApp;
  ASSERT_EQ(CancelText(), QStringLiteral("Cancel"));
  {
    const ProgramLanguage russian(app, QLocale(QLocale::Russian, QLocale::Russia));
    ASSERT_EQ(russian.InstalledCount(), 1) << "Qt's translations (qt6-translations-l10n) are not installed";
    EXPECT_EQ(CancelText(), QStringLiteral("Отмена"));
    EXPECT_EQ(QCoreApplication::translate("MainToolbar", "Отменить"), QStringLiteral("Отменить"));
  }
  {
    const ProgramLanguage unknown(app, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_FALSE(unknown.IsEnglish());
    EXPECT_EQ(CancelText(), QStringLiteral("Отмена"));
  }
  const ProgramLanguage english(app, QLocale(QLocale::English, QLocale::UnitedKingdom));
  EXPECT_TRUE(english.IsEnglish());
  EXPECT_EQ(english.InstalledCount(), 3);  // the window's, the drawing host's, the macros'
  EXPECT_EQ(CancelText(), QStringLiteral("Cancel"));
  EXPECT_EQ(QCoreApplication::translate("MainToolbar", "Отменить"), QStringLiteral("Undo"));
}

}  // namespace
}  // namespace trellis
