// The smallest complete macro server: one class, "Example.RowCount", whose method "Count"
// tells the user how many lines the project's element groups table has. It is what the page
// docs/macro-servers.md walks through; the build compiles it so that it stays true.
#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/BusLifeline.h"
#include "automation/MemberTable.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace trellis;

class RowCount : public TableDispatch<RowCount> {
 public:
  static const MemberTable<RowCount>& Members() {
    static const MemberTable<RowCount> table = [] {
      MemberTable<RowCount> t;
      // Every macro method takes the five arguments of a macro call: the program folder, the
      // working folder, the project's base name, the main window and the CAD document.
      t.Function(QStringLiteral("Count"), [](RowCount&, QVariantList& args) {
        if (args.size() != 5) throw AutomationError(QStringLiteral("Count"), QStringLiteral("five arguments"));
        QFile file(args[1].toString() + u'/' + args[2].toString() + QStringLiteral(".d02"));
        int rows = 0;
        if (file.open(QIODevice::ReadOnly)) rows = int(file.readAll().count('\n'));
        if (const DispatchRef window = ObjectOf(args[3])) {
          Call(*window, QStringLiteral("Message"), {QStringLiteral("Групп элементов: %1").arg(rows)});
        }
        return QVariant();
      });
      return t;
    }();
    return table;
  }
};

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  try {
    const auto endpoint = BusEndpoint::Open(QDBusConnection::sessionBus());
    endpoint->Publish(QStringLiteral("Example.RowCount"), std::make_shared<RowCount>());
    const BusLifeline lifeline(endpoint->Connection(), [] { QCoreApplication::quit(); });
    return app.exec();
  } catch (const AutomationError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 2;
  }
}
