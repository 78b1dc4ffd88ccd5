#include "automation/BusNames.h"

#include <QDBusConnection>
#include <QObject>
#include <QSet>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

const QStringList kAwkwardProgIds{QStringLiteral("AutoCAD.Application.16"),
                                  QStringLiteral("Lib.Class-A"),
                                  QStringLiteral("Lib.Class_A"),
                                  QStringLiteral("Lib.Class_x5fA"),
                                  QStringLiteral("Lib..Class"),
                                  QStringLiteral("Lib.Класс"),
                                  QStringLiteral("Lib.1.2"),
                                  QStringLiteral("Lib._1._2"),
                                  QStringLiteral("Lib.Class A"),
                                  QStringLiteral("Lib.")};

TEST(BusNames, ProgIdsMapUnderTheirPrefixWithoutCase) {
  EXPECT_EQ(BusNameOf(QStringLiteral("AutoCAD.Application")),
            QStringLiteral("org.trellis.progid.autocad.application"));
  EXPECT_EQ(BusNameOf(QStringLiteral("ZWCAD.Application")),
            BusNameOf(QStringLiteral("zwcad.APPLICATION")));
  EXPECT_EQ(BusNameOf(QStringLiteral("AutoCAD.Application.16")),
            QStringLiteral("org.trellis.progid.autocad.application._16"));
  EXPECT_EQ(RootPathOf(QStringLiteral("Lib.Class_A")), QStringLiteral("/progid/lib_2eclass_5fa"));
}

TEST(BusNames, AwkwardProgIdsGiveDistinctNamesThatTheBusAccepts) {
  QSet<QString> names;
  QSet<QString> paths;
  QDBusConnection bus = QDBusConnection::sessionBus();
  ASSERT_TRUE(bus.isConnected());
  QObject holder;
  for (const QString& progId : kAwkwardProgIds) {
    SCOPED_TRACE(progId.toStdString());
    names.insert(BusNameOf(progId));
    paths.insert(RootPathOf(progId));
    EXPECT_TRUE(bus.registerService(BusNameOf(progId)));
    EXPECT_TRUE(bus.registerObject(RootPathOf(progId), &holder));
    bus.unregisterService(BusNameOf(progId));
    bus.unregisterObject(RootPathOf(progId));
  }
  EXPECT_EQ(names.size(), kAwkwardProgIds.size());
  EXPECT_EQ(paths.size(), kAwkwardProgIds.size());
}

}  // namespace
}  // namespace trellis::test
