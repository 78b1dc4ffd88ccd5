#pragma once

#include <QString>

#include <functional>

namespace trellis {

class IniFiles;
class Prompter;
class TextFileWriter;

// Opens a document with the program the desktop associates with it (the shell's "open").
using DocumentOpener = std::function<void(const QString& path)>;

enum class ProgramProjectOutcome {
  Written,
  ProjectNotSaved,    // nothing written
  FileNotWritten,     // a text file could not be written (reported); the others were
  ResourceNotCopied,  // the form's resource file could not be copied (reported); stopped there
};

// <project folder>/<project base name>.vbp for the project saved at ProjectPath.
QString ProgramProjectFullName(const QString& projectPath);

// Writes the Visual Basic program project beside the saved project: the form from its template
// followed by the generated module, the form's resources, the project file and the support
// module, all from the installation's Template/tr folder. Files of the same names are replaced.
class ProgramProjectWriter {
 public:
  ProgramProjectWriter(QString installationFolder, QString familyFolder, IniFiles& ini,
                       TextFileWriter& writer, Prompter& prompter);

  // The menu command: writes the program project of the project saved at ProjectPath and
  // opens it.
  void SaveAsVB2(const QString& projectPath, const DocumentOpener& open);

  // Writes the files for the program project FullNameVB; a never-saved project is reported.
  ProgramProjectOutcome SaveVB2(const QString& projectPath, const QString& fullNameVB);

 private:
  QString TemplateFile(const QString& name) const;
  bool CopyFormResources(const QString& target);

  QString installationFolder_;
  QString familyFolder_;
  IniFiles& ini_;
  TextFileWriter& writer_;
  Prompter& prompter_;
};

}  // namespace trellis
