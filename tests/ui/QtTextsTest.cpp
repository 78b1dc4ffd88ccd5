#include "app/QtTexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace trellis {
namespace {

// The buttons Qt makes itself (in message boxes and file dialogs) read in Russian once the
// program has installed Qt's texts, and in English before.
TEST(QtTexts, QtsOwnButtonsSpeakRussian) {
  QDialogButtonBox english(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
  EXPECT_EQ(english.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
  QTranslator texts;
  ASSERT_TRUE(InstallRussianQtTexts(*QCoreApplication::instance(), texts))
      << "Qt's translations (qt6-translations-l10n) are not installed";
  QDialogButtonBox russian(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
  EXPECT_EQ(russian.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
  EXPECT_EQ(russian.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Да"));
  QCoreApplication::removeTranslator(&texts);
}

}  // namespace
}  // namespace trellis
