#include "project/ProjectDialogs.h"

#include "app/AppIdentity.h"
#include "app/FileErrors.h"
#include "app/FilePaths.h"
#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "project/ProjectContext.h"
#include "tables/ProjectState.h"
#include "tables/TableHooks.h"

#include <QCoreApplication>
#include <QDir>

namespace trellis {
namespace {

// The dialog's file name buffer holds 256 characters with the closing NUL.
constexpr qsizetype kMaxPathLength = 255;

// Where the dialog starts when no folder was ever chosen: the user's own folder stands for the
// system drive's root.
QString DefaultProjectFolder() {
  return QDir::toNativeSeparators(QDir::homePath());
}

// A name Windows would refuse is refused here too, so projects stay portable: error 52.
int RefusalOf(const QString& path) {
  if (path.size() > kMaxPathLength) return 64;
  const QString name = path.mid(path.lastIndexOf(kPathSeparator) + 1);
  for (const QChar c : name) {
    if (c.unicode() < 32 || QStringView(u"<>:\"|?*").contains(c)) return 52;
  }
  return 0;
}

// The dialog's default extension: a name typed without one gets it.
QString WithDefaultExtension(const QString& path, const QString& extension) {
  const QString name = path.mid(path.lastIndexOf(kPathSeparator) + 1);
  return name.contains(u'.') ? path : path + u'.' + extension;
}

struct Choice {
  QString path;
  bool refused = false;  // a name the dialog refuses, or a replacement the user declined
};

// Shows the dialog and applies the refusal and replace rules. ReplaceQuestion asks whether the
// chosen file, its %1, is to be replaced.
Choice ChooseProjectFile(ProjectContext& ctx, FileDialogRequest request, const QString& extension,
                         const QString& replaceQuestion, int* pendingError) {
  if (pendingError) *pendingError = 0;
  request.initialFolder = ctx.dialog.initialFolder;
  QString chosen = ctx.prompter.ChooseFile(request);
  if (chosen.isEmpty()) return Choice{};
  if (request.save) chosen = WithDefaultExtension(chosen, extension);
  if (const int refusal = RefusalOf(chosen)) {
    // A caller that takes the pending error tells it itself; otherwise the refusal is told
    // here, as the system's own dialog would, so a name is never dropped without a word.
    if (pendingError) {
      *pendingError = refusal;
    } else {
      FileErrors(refusal, ctx.prompter);
    }
    return Choice{QString(), true};
  }
  if (request.save && FileExists(chosen)) {
    const MessageAnswer answer =
        ctx.prompter.Ask(Message{replaceQuestion.arg(chosen), ProgramTitle(),
                                 MessageButtons::YesNoCancel, MessageIcon::Exclamation});
    if (answer != MessageAnswer::Yes) return Choice{QString(), true};
  }
  return Choice{chosen};
}

}  // namespace

QString GetFullName1(ProjectContext& ctx, const QString& caption, bool openFile,
                     int* pendingError) {
  FileDialogRequest request;
  request.caption = caption;
  request.filter =
      QCoreApplication::translate("ProjectDialogs", "Файл данных проекта (*.d01)|*.d01");
  request.save = !openFile;
  ProjectState& project = ctx.tables.project;
  project.lastProjectFolder =
      ctx.settings.GetSetting(ProgramTitle(), u"main", u"Path", DefaultProjectFolder());
  if (FolderExists(project.lastProjectFolder)) ctx.dialog.initialFolder = project.lastProjectFolder;
  const Choice choice =
      ChooseProjectFile(ctx, request, QStringLiteral("d01"),
                        QCoreApplication::translate(
                            "ProjectDialogs", "Файл \"%1\" уже существует. Заменить его новым?"),
                        pendingError);
  ctx.tables.hooks.ProcessEvents();
  return choice.path;
}

QString GetFullNameDialogZip(ProjectContext& ctx, const QString& caption, int* pendingError) {
  FileDialogRequest request;
  request.caption = caption;
  request.filter = QCoreApplication::translate("ProjectDialogs", "Архив (*.zip)|*.zip");
  request.save = true;
  if (ctx.dialog.initialFolder.isEmpty()) {
    QString folder = ctx.settings.GetSetting(ProgramTitle(), u"main", u"PathZip");
    if (folder.isEmpty()) {
      folder = ctx.settings.GetSetting(ProgramTitle(), u"main", u"Path", DefaultProjectFolder());
    }
    if (FolderExists(folder)) ctx.dialog.initialFolder = folder;
  }
  const Choice choice =
      ChooseProjectFile(ctx, request, QStringLiteral("zip"),
                        QCoreApplication::translate(
                            "ProjectDialogs", "Архив  \"%1\" уже существует. Заменить его новым?"),
                        pendingError);
  // A refused choice ends the dialog before its starting folder is remembered.
  if (choice.refused) return QString();
  ctx.settings.SaveSetting(ProgramTitle(), u"main", u"PathZip", ctx.dialog.initialFolder);
  ctx.tables.hooks.ProcessEvents();
  return choice.path;
}

}  // namespace trellis
