#include "ui/MainWindowObject.h"

#include "app/AppIdentity.h"
#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "tables/GridFilling.h"
#include "tables/LowerPanes.h"
#include "tables/TableOpening.h"
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
    t.Property(
        QStringLiteral("StatusText"), [](MainWindowObject& o) { return QVariant(o.app_.window.StatusBar1.Panel(1)); },
        [](MainWindowObject& o, const QVariant& value) {
          o.app_.window.StatusBar1.SetPanel(1, ToText(value, QStringLiteral("StatusText")));
        });
    t.Property(
        QStringLiteral("ProjectSaved"), [](MainWindowObject& o) { return QVariant(o.app_.project.projectSaved); },
        [](MainWindowObject& o, const QVariant& value) {
          o.app_.project.projectSaved = ToBoolean(value, QStringLiteral("ProjectSaved"));
        });
    t.Function(QStringLiteral("ClearErrors"), [](MainWindowObject& o, Args& args) {
      RequireArguments(args, 0, 0, QStringLiteral("ClearErrors"));
      o.app_.window.fg2.Clear();
      return QVariant();
    });
    t.Function(QStringLiteral("AddError"), [](MainWindowObject& o, Args& args) {
      const QString member = QStringLiteral("AddError");
      RequireArguments(args, 2, 4, member);
      TableContext ctx = o.app_.Tables();
      o.app_.window.fg2.Add(ErrorAbout(ctx, ToText(args[0], member), ToText(args[1], member),
                                       args.size() > 2 ? int(ToInteger(args[2], member)) : 0,
                                       args.size() > 3 ? int(ToInteger(args[3], member)) : 0));
      return QVariant();
    });
    t.Function(QStringLiteral("ShowErrors"), [](MainWindowObject& o, Args&) {
      o.window_->ShowErrorPane();
      return QVariant();
    });
    t.Function(QStringLiteral("Report"), [](MainWindowObject& o, Args& args) {
      o.app_.window.Report1.Append(ToText(OnlyArgument(args, QStringLiteral("Report")), QStringLiteral("Report")));
      return QVariant();
    });
    t.Function(QStringLiteral("Message"), [](MainWindowObject& o, Args& args) {
      const QString text = ToText(OnlyArgument(args, QStringLiteral("Message")), QStringLiteral("Message"));
      o.app_.prompter.Ask(Message{text, ProgramTitle(), MessageButtons::Ok, MessageIcon::Information});
      return QVariant();
    });
    t.Function(QStringLiteral("TablesChanged"), [](MainWindowObject& o, Args&) {
      o.app_.writer.NoteTableFileWritten();
      TableContext ctx = o.app_.Tables();
      // Read again from its file; the grid's older content is not saved over what the macro
      // wrote, since the table left is the table opened.
      if (!ctx.tables.currentTableKey.isEmpty()) OpenCurrentTable(ctx);
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
