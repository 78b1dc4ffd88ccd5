#include "tables/LowerPanes.h"
#include "tables/WindowModel.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

class LowerArea : public ::testing::Test {
 protected:
  LowerArea() {
    BuildLowerTabs(w_.Tabs2);
    ToolButton down;
    down.key = QStringLiteral("Down");
    down.style = ButtonStyle::Check;
    w_.Toolbar1.Add(down);
  }
  QString ReportCaption() const { return w_.Tabs2.At(3).caption; }

  WindowModel w_;
};

TEST_F(LowerArea, ReportLinesOutOfSightAreCountedUntilTheReportIsSeen) {
  w_.Report1.Append(QStringLiteral("Копирование остановлено"));
  w_.Report1.Append(QStringLiteral("Архив не создан"));
  EXPECT_EQ(ReportCaption(), QStringLiteral("Протокол (2)"));
  EXPECT_TRUE(w_.StatusBar1.Panel(1).contains(QStringLiteral("2"))) << w_.StatusBar1.Panel(1).toStdString();
  EXPECT_TRUE(w_.StatusBar1.Panel(1).contains(QStringLiteral("Протокол")));

  SelectLowerTab(w_, 3);  // chosen, but the lower area is closed: still out of sight
  EXPECT_EQ(ReportCaption(), QStringLiteral("Протокол (2)"));

  w_.Toolbar1.SetPressed(1, true);  // the "Down" command opens the area
  NoteReportInView(w_);
  EXPECT_EQ(ReportCaption(), QStringLiteral("Протокол"));
  EXPECT_EQ(w_.StatusBar1.Panel(1), "");
  w_.Report1.Append(QStringLiteral("в виду"));
  EXPECT_EQ(ReportCaption(), QStringLiteral("Протокол"));

  SelectLowerTab(w_, 1);
  w_.Report1.Append(QStringLiteral("снова"));
  EXPECT_EQ(ReportCaption(), QStringLiteral("Протокол (1)"));
  w_.Report1.Clear();  // nothing left to see
  EXPECT_EQ(ReportCaption(), QStringLiteral("Протокол"));
}

TEST_F(LowerArea, TheErrorListTellsHowToReachAnError) {
  SelectLowerTab(w_, 2);
  EXPECT_EQ(w_.lowerPanes.Shown(), "Err");
  EXPECT_EQ(w_.StatusBar1.Panel(1), "");  // no errors: nothing to say
  w_.fg2.Add(ErrorEntry{QStringLiteral("Нет материала"), "1", QStringLiteral("Элементы"), "2", "3", QString()});
  SelectLowerTab(w_, 2);
  EXPECT_EQ(w_.StatusBar1.Panel(1), QStringLiteral("Для показа ошибки выберите строку таблицы Ошибки"));
  SelectLowerTab(w_, 1);
  EXPECT_EQ(w_.lowerPanes.Shown(), "Help");
  EXPECT_EQ(w_.StatusBar1.Panel(1), "");
}

}  // namespace
}  // namespace trellis
