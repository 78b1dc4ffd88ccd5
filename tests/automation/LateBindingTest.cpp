#include "BusTestSupport.h"
#include "SampleObject.h"

#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "automation/InProcessActivator.h"

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

TEST(LateBinding, MembersAnswerInAnyLetterCaseAsPropertyOrMethod) {
  SampleObject object;
  object.Set(QStringLiteral("VALUE"), 5);
  EXPECT_EQ(object.Get(QStringLiteral("value")), QVariant(5));
  EXPECT_EQ(Call(object, QStringLiteral("eCHO"), {QStringLiteral("x")}), QVariant("x"));
  // A property read through a call without arguments, as a caller may write either.
  EXPECT_EQ(Call(object, QStringLiteral("Calls")), QVariant(1));
  QVariantList pair{QStringLiteral("a"), 2};
  object.Invoke(QStringLiteral("Swap"), pair);
  EXPECT_EQ(pair, (QVariantList{2, QStringLiteral("a")}));
}

TEST(LateBinding, FailuresNameTheMemberAndTheReason) {
  SampleObject object;
  const AutomationError unknown = ErrorOf([&] { object.Get(QStringLiteral("Colour")); });
  EXPECT_EQ(unknown.Member(), QStringLiteral("Colour"));
  EXPECT_EQ(unknown.Reason(), QStringLiteral("the object has no such member"));
  EXPECT_EQ(ErrorOf([&] { object.Set(QStringLiteral("Calls"), 3); }).Reason(),
            QStringLiteral("the property is read-only"));
  EXPECT_EQ(ErrorOf([&] { Call(object, QStringLiteral("Echo")); }).Reason(),
            QStringLiteral("takes 1 argument(s), got 0"));
  EXPECT_EQ(
      ErrorOf([&] { Call(object, QStringLiteral("Fail"), {QStringLiteral("no paper")}); }).Reason(),
      QStringLiteral("no paper"));
}

TEST(LateBinding, ArgumentsConvertAsLateBindingDoesOrSayWhatWasExpected) {
  const QString m = QStringLiteral("M");
  EXPECT_EQ(ToInteger(2.5, m), 2);  // half to even
  EXPECT_EQ(ToInteger(3.5, m), 4);
  EXPECT_EQ(ToInteger(QStringLiteral(" 7 "), m), 7);
  EXPECT_EQ(ToInteger(qlonglong(1) << 53, m), qlonglong(1) << 53);
  EXPECT_EQ(ToInteger(true, m), -1);
  EXPECT_TRUE(ToBoolean(QStringLiteral("True"), m));
  EXPECT_EQ(ToText(12, m), QStringLiteral("12"));
  EXPECT_EQ(ErrorOf([&] { ToInteger(QStringLiteral("12a"), m); }).Reason(),
            QStringLiteral("expected a number, got QString"));
  EXPECT_EQ(ErrorOf([&] { ToObject(QVariant(), m); }).Reason(),
            QStringLiteral("expected an object, got an empty value"));
  EXPECT_EQ(ErrorOf([&] { ToList(3, m); }).Member(), m);
  EXPECT_EQ(ObjectOf(ObjectValue(nullptr)), nullptr);
  EXPECT_FALSE(ObjectValue(nullptr).isValid());
}

TEST(InProcessActivator, CreatedInstancesRunUntilRevoked) {
  InProcessActivator activator;
  int made = 0;
  activator.Register(QStringLiteral("Lib.Sample"), [&made] {
    ++made;
    return std::make_shared<SampleObject>();
  });
  EXPECT_EQ(ErrorOf([&] { activator.GetObject(QStringLiteral("Lib.Sample")); }).Reason(),
            QStringLiteral("no instance is running"));
  const DispatchRef created = activator.CreateObject(QStringLiteral("lib.sample"));
  EXPECT_EQ(activator.GetObject(QStringLiteral("LIB.SAMPLE")), created);
  const DispatchRef second = activator.CreateObject(QStringLiteral("Lib.Sample"));
  EXPECT_NE(second, created);
  EXPECT_EQ(activator.GetObject(QStringLiteral("Lib.Sample")), second);
  EXPECT_EQ(made, 2);
  activator.Revoke(QStringLiteral("Lib.Sample"));
  EXPECT_THROW(activator.GetObject(QStringLiteral("Lib.Sample")), AutomationError);
  EXPECT_EQ(ErrorOf([&] { activator.CreateObject(QStringLiteral("Lib.Other")); }).Member(),
            QStringLiteral("Lib.Other"));
}

}  // namespace
}  // namespace trellis::test
