#include "cad/MacroCalls.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/Prompter.h"
#include "app/IniFiles.h"
#include "app/WorkingFolders.h"
#include "automation/Activator.h"
#include "automation/AutomationError.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "tables/GridFilling.h"
#include "tables/InstallationFiles.h"
#include "tables/ProjectState.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QStringList>

namespace trellis {
namespace {

const QString kLayerListPrefix = QStringLiteral("layer=");

bool IsLayerList(const QString& spec) {
  return spec.size() > kLayerListPrefix.size() &&
         spec.left(kLayerListPrefix.size()).toLower() == kLayerListPrefix;
}

// Items "ProgID;Method"; an item without both parts is a configuration error and is skipped.
void RunMacroList(MacroContext& ctx, const QString& list) {
  for (const QString& item : list.split(u'|')) {
    const qsizetype separator = item.indexOf(u';');
    if (separator <= 0 || separator == item.size() - 1) continue;
    RunTableMacro(ctx, item.left(separator), item.mid(separator + 1));
  }
}

// A "File" of Buttons.ini names a file of the installation folder; one written "*.ext" names
// the open project's file with that extension in the working folder, such as the summary a
// calculation writes (an addition to the installation-relative names).
QString ButtonsIniFilePath(MacroContext& ctx, const QString& file) {
  if (file.startsWith(QLatin1String("*."))) {
    return ctx.tables.folders.GetWorkingFolder() + kPathSeparator +
           ctx.tables.project.projectBaseName + file.mid(1);
  }
  return InstallationPath(ctx.tables.installationFolder, file);
}

}  // namespace

DispatchRef MacroCache::ObjectFor(Activator& activator, const QString& progId) {
  if (object_ && !className_.isEmpty() && className_ == progId) return object_;
  DispatchRef object;
  try {
    object = activator.GetObject(progId);
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    object = activator.CreateObject(progId);
  }
  object_ = std::move(object);
  className_ = progId;
  return object_;
}

void MacroCache::RequestStop() {
  if (!object_) return;
  try {
    object_->Set(QStringLiteral("StopEx"), true);
  } catch (const AutomationError&) {
    // A macro without the property cannot be asked to stop.
  }
}

void MacroCache::Release() {
  object_.reset();
  className_.clear();
}

void RunTableMacro(MacroContext& ctx, const QString& progId, const QString& method) {
  try {
    SaveCurrentTable(ctx.tables);
  } catch (...) {
    // The call goes on with the file as it is.
  }
  ctx.tables.window.StatusBar1.SetPanel(1, QString());
  ProjectState& project = ctx.tables.project;
  const CadDocument& document = ctx.cad.Document();
  QVariantList args{ctx.tables.installationFolder, ctx.tables.folders.GetWorkingFolder(),
                    project.projectBaseName, ObjectValue(ctx.mainWindowObject),
                    document.IsSet() ? ObjectValue(document.Object()) : QVariant()};
  // A held object whose server has ended since the last call is let go, and the call goes to
  // a new instance, as it would have after a restart of the program.
  for (int attempt = 1; attempt <= 2; ++attempt) {
    DispatchRef object;
    try {
      object = ctx.cache.ObjectFor(ctx.activator, progId);
    } catch (const CallAbandoned&) {
      throw;  // the user stopped it: the whole action ends, and is reported
    } catch (const AutomationError&) {
      return;
    }
    try {
      QVariantList sent = args;
      object->Invoke(method, sent);
      args = sent;
      break;
    } catch (const CallAbandoned&) {
      throw;
    } catch (const ServerGone&) {
      ctx.cache.Release();
      if (attempt == 2) return;
    } catch (const ServerLeft&) {
      // Not one of the quiet failures: the macro may have done half its work, so the user
      // hears of it; the object is gone, and the next call starts its server again.
      ctx.cache.Release();
      ctx.cad.UserPrompter().Ask(
          Message{QCoreApplication::translate(
                      "MacroCalls",
                      "Макрос %1;%2 не завершен: его программа закончила работу во время вызова.")
                      .arg(progId, method),
                  ProgramTitle(), MessageButtons::Ok, MessageIcon::Exclamation});
      return;
    } catch (const AutomationError&) {
      return;
    }
  }
  // The base name is the one by-reference argument taken back: the main window object and the
  // document are the program's own, so what a macro puts in their places is not adopted.
  if (args.size() > 2 && args[2].typeId() == QMetaType::QString) project.projectBaseName = args[2].toString();
}

void RunActionString(MacroContext& ctx, const QString& spec, bool switchOn, int buttonNumber) {
  if (spec.isEmpty()) return;
  if (IsLayerList(spec)) {
    for (const QString& name : spec.mid(kLayerListPrefix.size()).split(u';', Qt::SkipEmptyParts)) {
      SwitchLayer(ctx, name, switchOn, buttonNumber);
    }
    return;
  }
  RunMacroList(ctx, spec);
  fg1SelectedBmp(ctx.tables.window.fg1);
  ctx.window.ActivateMainWindow();
}

void RunTableHook(MacroContext& ctx, const QString& key) {
  const QString list = CurrentTableKeyValue(ctx.tables, key);
  if (!list.isEmpty()) RunMacroList(ctx, list);
}

void RunButtonsIniSection(MacroContext& ctx, const QString& section) {
  const QString buttonsIni = InstallationPath(ctx.tables.installationFolder, QStringLiteral("Buttons.ini"));
  RunActionString(ctx, ctx.tables.ini.ReadIni(section, u"Macros", buttonsIni));
  const QString file = ctx.tables.ini.ReadIni(section, u"File", buttonsIni);
  if (!file.isEmpty()) {
    const QString path = ButtonsIniFilePath(ctx, file);
    if (FileExists(path)) ctx.window.OpenDocument(path);
  }
  fg1SelectedBmp(ctx.tables.window.fg1);
}

void SwitchLayer(MacroContext& ctx, const QString& name, bool switchOn, int buttonNumber) {
  const CadDocument& document = ctx.cad.Document();
  if (!document.IsSet() || name.isEmpty()) return;
  try {
    if (switchOn && !LayerExists(ctx.cad, name)) {
      const QString macro = ctx.tables.ini.ReadIni(
          QStringLiteral("B%1").arg(buttonNumber), u"AddLayerMacros",
          InstallationPath(ctx.tables.installationFolder, QStringLiteral("ToolLeft.ini")));
      const qsizetype separator = macro.indexOf(u';');
      if (separator > 0) RunTableMacro(ctx, macro.left(separator), macro.mid(separator + 1));
    }
    if (LayerExists(ctx.cad, name)) document.Layers().Item(name).SetLayerOn(switchOn);
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    // A layer the host refuses to switch stays as it is.
  }
}

bool LayerExists(const CadConnection& cad, const QString& name) {
  try {
    return !cad.Document().Layers().Item(name).Handle().isEmpty();
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    return false;
  }
}

}  // namespace trellis
