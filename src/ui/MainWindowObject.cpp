#include "ui/MainWindowObject.h"

#include "automation/AutomationError.h"
#include "ui/CadTableLink.h"
#include "ui/MainWindow.h"

namespace trellis {

const MemberTable<MainWindowObject>& MainWindowObject::Members() {
  static const MemberTable<MainWindowObject> table = [] {
    MemberTable<MainWindowObject> t;
    t.Property(QStringLiteral("Caption"),
               [](MainWindowObject& o) { return QVariant(o.window_->windowTitle()); });
    t.Function(QStringLiteral("ShowSelect"), [](MainWindowObject& o, QVariantList& args) {
      if (args.size() != 1) throw AutomationError(QStringLiteral("ShowSelect"), QStringLiteral("one argument"));
      o.cad_.ShowSelect(args[0].toInt() == 1);
      return QVariant();
    });
    return t;
  }();
  return table;
}

void MainWindowObject::EnsureUsable(const QString& member) const {
  if (!window_) throw AutomationError(member, QStringLiteral("the main window is closed"));
}

}  // namespace trellis
