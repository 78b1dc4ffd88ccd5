#include "generator/ProgramExport.h"

#include "app/IniFiles.h"
#include "app/Prompter.h"
#include "app/RunTimeError.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "generator/ProgramProjectWriter.h"
#include "generator/ProgramTables.h"

#include <QFileInfo>
#include <QTextStream>

namespace trellis {
namespace {

constexpr QStringView kCommand = u"trellis --export-vb";

// Without a window the messages go to the error stream; nothing is asked.
class StreamPrompter : public Prompter {
 public:
  explicit StreamPrompter(QTextStream& errors) : errors_(errors) {}
  MessageAnswer Ask(const Message& message) override {
    errors_ << kCommand << ": " << message.text << Qt::endl;
    return MessageAnswer::Ok;
  }
  QString ChooseFile(const FileDialogRequest&) override { return QString(); }

 private:
  QTextStream& errors_;
};

}  // namespace

int ExportProgramProject(const QString& d01Path, const QString& installationFolder,
                         SettingsStore& settings, const QString& systemDrive, QTextStream& errors) {
  if (d01Path.isEmpty()) {
    errors << "usage: " << kCommand << " PROJECT.d01" << Qt::endl;
    return 2;
  }
  const QFileInfo project(d01Path);
  if (!project.isFile()) {
    errors << kCommand << ": the project file " << d01Path << " does not exist" << Qt::endl;
    return 1;
  }
  // The folder and base name are cut at the last separator, so the path must have one.
  const QString projectPath = project.absoluteFilePath();

  QString familyFolder;
  try {
    WorkingFolders folders(settings, systemDrive, 0);
    familyFolder = folders.GetFamilyFolder();
  } catch (const RunTimeError& error) {
    errors << kCommand << ": " << error.Description() << Qt::endl;
    return 1;
  }
  QStringList problems;
  ProvideGeneratorColumnFiles(installationFolder, familyFolder, &problems);
  for (const QString& problem : problems) errors << kCommand << ": " << problem << Qt::endl;

  StreamPrompter prompter(errors);
  IniFiles ini;
  TextFileWriter writer(prompter);
  ProgramProjectWriter programProject(installationFolder, familyFolder, ini, writer, prompter);
  const QString fullName = ProgramProjectFullName(projectPath);
  if (programProject.SaveVB2(projectPath, fullName) == ProgramProjectOutcome::Written) return 0;
  errors << kCommand << ": the program project " << fullName << " was not written completely";
  if (writer.Failures() > 0) errors << " (" << writer.LastFailure() << ')';
  errors << Qt::endl;
  return 1;
}

}  // namespace trellis
