#include "macros/settings/CalcSettingsKeys.h"
#include "macros/settings/ParametersDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace trellis::macros {
namespace {

// The real dialog, driven by the user's keys and clicks while Edit waits for it.
class ParametersDialogTest : public ::testing::Test {
 protected:
  ParametersDialogTest() {
    for (const CalcSetting& s : CalcSettings()) current_.values.insert(s.Id(), s.defaultValue);
    current_.cadHost = QStringLiteral("AutoCAD");
  }

  std::optional<ParameterValues> Edit(std::function<void()> user) {
    QTimer::singleShot(0, [this, user] {
      dialog_ = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog_) return;
      user();
      // A failed step must not leave the test waiting for a dialog no one closes.
      if (dialog_->isVisible()) dialog_->reject();
    });
    return ParametersDialogEditor().Edit(current_,
                                         {QStringLiteral("AutoCAD"), QStringLiteral("ZWCAD")});
  }
  template <typename Widget>
  Widget* Find(const QString& name) const {
    return dialog_->findChild<Widget*>(name);
  }
  void Type(const QString& id, const QString& text) {
    QLineEdit* edit = Find<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id.toStdString();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  void Click(QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(dialog_->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
  }

  ParameterValues current_;
  QDialog* dialog_ = nullptr;
};

TEST_F(ParametersDialogTest, OkWithARefusedValueKeepsTheDialogOpenAndShowsWhy) {
  for (const char* bad : {"abc", "-1"}) {
    bool stayedOpen = false;
    QString reason;
    const auto result = Edit([&] {
      Type(QStringLiteral("Show/TextScale"), QString::fromLatin1(bad));
      Click(QDialogButtonBox::Ok);
      stayedOpen = dialog_->isVisible();
      reason = Find<QLabel>(QStringLiteral("refusal"))->text();
      Click(QDialogButtonBox::Cancel);
    });
    EXPECT_TRUE(stayedOpen) << bad;
    EXPECT_TRUE(reason.contains(QStringLiteral("Высота номеров узлов"))) << reason.toStdString();
    EXPECT_FALSE(result.has_value());
  }
}

TEST_F(ParametersDialogTest, OkGivesBackTheEditedValuesAsTheyAreWritten) {
  current_.values[QStringLiteral("Calc/Iter")] = QStringLiteral("25");
  const auto result = Edit([&] {
    Type(QStringLiteral("Show/TextScale"), QStringLiteral("abc"));
    Click(QDialogButtonBox::Ok);
    Type(QStringLiteral("Show/TextScale"), QStringLiteral("0.25"));
    Type(QStringLiteral("Calc/KCNorm"), QStringLiteral("0,8"));
    QCheckBox* gnl = Find<QCheckBox>(QStringLiteral("Calc/GNL"));
    QTest::mouseClick(gnl, Qt::LeftButton, {}, QPoint(8, gnl->height() / 2));  // on its box
    Find<QComboBox>(QStringLiteral("Show/Operation"))->setCurrentIndex(3);
    Find<QComboBox>(QStringLiteral("cadHost"))->setCurrentIndex(1);
    Click(QDialogButtonBox::Ok);
  });
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->values.value(QStringLiteral("Show/TextScale")), QStringLiteral("0,25"));
  EXPECT_EQ(result->values.value(QStringLiteral("Calc/KCNorm")), QStringLiteral("0,8"));
  EXPECT_EQ(result->values.value(QStringLiteral("Calc/GNL")), QStringLiteral("1"));
  EXPECT_EQ(result->values.value(QStringLiteral("Show/Operation")), QStringLiteral("3"));
  EXPECT_EQ(result->values.value(QStringLiteral("Calc/Iter")), QStringLiteral("25"));
  EXPECT_EQ(result->values.value(QStringLiteral("Show/Points")), QStringLiteral("1"));
  EXPECT_EQ(result->values.size(), qsizetype(CalcSettings().size()));
  EXPECT_EQ(result->cadHost, QStringLiteral("ZWCAD"));
}

TEST_F(ParametersDialogTest, CancelGivesBackNothing) {
  const auto result = Edit([&] {
    Type(QStringLiteral("Show/GrafScale"), QStringLiteral("2"));
    Click(QDialogButtonBox::Cancel);
  });
  EXPECT_FALSE(result.has_value());
}

}  // namespace
}  // namespace trellis::macros
