#include "ui/MainWindowObject.h"

#include "automation/AutomationError.h"
#include "tables/GridFilling.h"
#include "tables/TableLinkMaintenance.h"
#include "ui/ApplicationContext.h"
#include "ui/CadTableLink.h"
#include "ui/MainWindow.h"

namespace trellis {
namespace {

const QVariant& OnlyArgument(const QVariantList& args, const QString& member) {
  if (args.size() != 1) throw AutomationError(member, QStringLiteral("takes one argument"));
  return args[0];
}

}  // namespace

const MemberTable<MainWindowObject>& MainWindowObject::Members() {
  static const MemberTable<MainWindowObject> table = [] {
    MemberTable<MainWindowObject> t;
    using Args = QVariantList;
    t.Property(QStringLiteral("Caption"),
               [](MainWindowObject& o) { return QVariant(o.window_->windowTitle()); });
    t.Function(QStringLiteral("ShowSelect"), [](MainWindowObject& o, Args& args) {
      o.cad_.ShowSelect(OnlyArgument(args, QStringLiteral("ShowSelect")).toInt() == 1);
      return QVariant();
    });
    t.Function(QStringLiteral("UpdateLinks"), [](MainWindowObject& o, Args&) {
      TableContext ctx = o.app_.Tables();
      return QVariant(UpdateLinks(ctx));
    });
    t.Function(QStringLiteral("DeleteNoLink"), [](MainWindowObject& o, Args&) {
      TableContext ctx = o.app_.Tables();
      DeleteNoLink(ctx);
      return QVariant();
    });
    t.Function(QStringLiteral("AllEnabled"), [](MainWindowObject& o, Args& args) {
      AllEnabled(o.app_.window, OnlyArgument(args, QStringLiteral("AllEnabled")).toBool());
      return QVariant();
    });
    t.Function(QStringLiteral("fg1SelectedBmp"), [](MainWindowObject& o, Args&) {
      fg1SelectedBmp(o.app_.window.fg1);
      return QVariant();
    });
    t.Function(QStringLiteral("SetIm32"), [](MainWindowObject& o, Args&) {
      o.window_->SetIm32();
      return QVariant();
    });
    t.Function(QStringLiteral("SetIm"), [](MainWindowObject& o, Args&) {
      o.window_->SetIm();
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
