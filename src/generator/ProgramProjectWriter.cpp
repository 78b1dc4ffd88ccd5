#include "generator/ProgramProjectWriter.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/Prompter.h"
#include "app/TextCodec.h"
#include "app/TextFiles.h"
#include "generator/ProgramModule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace trellis {

QString ProgramProjectFullName(const QString& projectPath) {
  return PathIn(ParentFolder(projectPath), BaseNameOf(projectPath) + QStringLiteral(".vbp"));
}

ProgramProjectWriter::ProgramProjectWriter(QString installationFolder, QString familyFolder,
                                           IniFiles& ini, TextFileWriter& writer,
                                           Prompter& prompter)
    : installationFolder_(std::move(installationFolder)),
      familyFolder_(std::move(familyFolder)),
      ini_(ini),
      writer_(writer),
      prompter_(prompter) {}

void ProgramProjectWriter::SaveAsVB2(const QString& projectPath, const DocumentOpener& open) {
  const QString fullName = ProgramProjectFullName(projectPath);
  if (fullName.isEmpty()) return;
  const ProgramProjectOutcome outcome = SaveVB2(projectPath, fullName);
  // A text file that failed has been reported already; the project may still open.
  const bool written =
      outcome == ProgramProjectOutcome::Written || outcome == ProgramProjectOutcome::FileNotWritten;
  if (written && FileExists(fullName) && open) open(fullName);
}

ProgramProjectOutcome ProgramProjectWriter::SaveVB2(const QString& projectPath,
                                                    const QString& fullNameVB) {
  if (!FileExists(projectPath)) {
    prompter_.Ask(Message{
        QCoreApplication::translate("ProgramProjectWriter",
                                    "Предварительно нужно выполнить сохранение проекта Trellis"),
        ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
    return ProgramProjectOutcome::ProjectNotSaved;
  }
  const QString folder = ParentFolder(fullNameVB);
  bool allWritten = true;

  // The module goes out as bytes, behind the template's own bytes, so the large text is
  // encoded once and the template reaches the form unchanged.
  QByteArray form = ReadWholeFileBytes(TemplateFile(QStringLiteral("frmVB.frm")));
  form += "\r\n";
  form += cp1251::Encode(
      BuildProgramModule(BaseNameOf(projectPath), ParentFolder(projectPath), familyFolder_, ini_));
  allWritten &=
      writer_.PrintBytesToFile(PathIn(folder, QStringLiteral("frmVB.frm")), std::move(form));

  if (!CopyFormResources(PathIn(folder, QStringLiteral("frmVB.frx")))) {
    return ProgramProjectOutcome::ResourceNotCopied;
  }
  allWritten &= writer_.PrintBytesToFile(
      fullNameVB, ReadWholeFileBytes(TemplateFile(QStringLiteral("VB.vbp"))));
  allWritten &=
      writer_.PrintBytesToFile(PathIn(folder, QStringLiteral("mdlFuncApi.bas")),
                               ReadWholeFileBytes(TemplateFile(QStringLiteral("mdlFuncApi.bas"))));
  return allWritten ? ProgramProjectOutcome::Written : ProgramProjectOutcome::FileNotWritten;
}

QString ProgramProjectWriter::TemplateFile(const QString& name) const {
  return PathIn(
      PathIn(PathIn(installationFolder_, QStringLiteral("Template")), QStringLiteral("tr")),
      name);
}

// The form's binary resources are copied byte for byte. A form without them does not load, so
// a failed copy is reported and the program project is not opened.
bool ProgramProjectWriter::CopyFormResources(const QString& target) {
  const QString source = TemplateFile(QStringLiteral("frmVB.frx"));
  QFile file(source);
  bool copied = false;
  if (QFileInfo(source).isFile() && file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.readAll();
    copied = file.error() == QFileDevice::NoError && ReplaceFileContent(target, bytes);
  }
  if (!copied) {
    prompter_.Ask(Message{
        QCoreApplication::translate("ProgramProjectWriter", "Не удалось скопировать файл %1 в %2")
            .arg(source, target),
        ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
  }
  return copied;
}

}  // namespace trellis
