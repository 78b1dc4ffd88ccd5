#include "cad-host/HostApplication.h"

#include "app/FilePaths.h"
#include "automation/Arguments.h"
#include "cad-host/AddInMacros.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostDocuments.h"

namespace trellis::cadhost {

HostApplication::HostApplication(HostServices services, QString path, QString progId)
    : services_(services), path_(std::move(path)), progId_(std::move(progId)) {}

std::shared_ptr<HostApplication> HostApplication::Create(HostServices services, QString path,
                                                         QString progId) {
  std::shared_ptr<HostApplication> application(
      new HostApplication(services, std::move(path), std::move(progId)));
  application->documents_ = std::make_shared<HostDocuments>(services, application);
  application->documents_->Add();
  return application;
}

const std::shared_ptr<HostDocument>& HostApplication::ActiveDocument() const {
  return documents_->Active();
}

void HostApplication::Activate(const HostDocument& document) {
  for (const auto& open : documents_->All()) {
    if (open.get() == &document) documents_->Activate(open);
  }
}

bool HostApplication::InvertsHighlight() const {
  return progId_.section(u'.', 0, 0).compare(QLatin1String("autocad"), Qt::CaseInsensitive) == 0;
}

QString HostApplication::Caption() const {
  return ProductName() + QStringLiteral(" - [") + ActiveDocument()->Name() + u']';
}

void HostApplication::RunMacro(const QString& name) {
  // A macro may be named with its project and module: "Project.dvb!Module.Macro".
  QString macro = name.section(u'!', -1);
  macro = macro.section(u'.', -1);
  if (!RunAddInMacro(*ActiveDocument(), macro)) {
    throw AutomationError(QStringLiteral("RunMacro"),
                          QStringLiteral("macro %1 not found").arg(name));
  }
}

const MemberTable<HostApplication>& HostApplication::Members() {
  static const MemberTable<HostApplication> table = [] {
    MemberTable<HostApplication> t;
    t.Property(QStringLiteral("Name"), [](HostApplication&) { return ProductName(); });
    t.Property(QStringLiteral("Caption"), [](HostApplication& a) { return a.Caption(); });
    t.Property(QStringLiteral("Path"), [](HostApplication& a) { return a.path_; });
    t.Property(QStringLiteral("ActiveDocument"),
               [](HostApplication& a) { return ObjectValue(a.ActiveDocument()); });
    t.Property(QStringLiteral("Documents"),
               [](HostApplication& a) { return ObjectValue(a.documents_); });
    t.Property(
        QStringLiteral("Visible"), [](HostApplication& a) { return a.visible_; },
        [](HostApplication& a, const QVariant& v) {
          a.visible_ = ToBoolean(v, QStringLiteral("Visible"));
          a.services_.view.WindowStateChanged();
        });
    // 1 normal, 2 minimised, 3 maximised.
    t.Property(
        QStringLiteral("WindowState"), [](HostApplication& a) { return a.windowState_; },
        [](HostApplication& a, const QVariant& v) {
          const qint64 state = ToInteger(v, QStringLiteral("WindowState"));
          if (state < 1 || state > 3) {
            throw AutomationError(QStringLiteral("WindowState"),
                                  QStringLiteral("no window state %1").arg(state));
          }
          a.windowState_ = int(state);
          a.services_.view.WindowStateChanged();
        });
    t.Function(QStringLiteral("Update"), [](HostApplication& a, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Update"));
      ++a.updates_;
      a.services_.view.DrawingChanged();
      return QVariant();
    });
    t.Function(QStringLiteral("LoadDVB"), [](HostApplication& a, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("LoadDVB"));
      const QString file = ToText(args[0], QStringLiteral("LoadDVB"));
      if (!FileExists(file)) {
        throw AutomationError(QStringLiteral("LoadDVB"), QStringLiteral("no project %1").arg(file));
      }
      if (!a.loadedProjects_.contains(file)) a.loadedProjects_ << file;
      return QVariant();
    });
    t.Function(QStringLiteral("RunMacro"), [](HostApplication& a, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("RunMacro"));
      a.RunMacro(ToText(args[0], QStringLiteral("RunMacro")));
      return QVariant();
    });
    t.Function(QStringLiteral("Quit"), [](HostApplication& a, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Quit"));
      a.services_.view.QuitRequested();
      return QVariant();
    });
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
