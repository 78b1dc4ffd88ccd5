#pragma once

#include "project/FileReplacement.h"

#include <QString>

namespace trellis {

class ReportLog;

// Copies every file of the installation's Template/<Which> folder (tr: fresh for every opened
// project; tr2: the initial files of a new project) into the working folder as
// <BaseName>.<last three characters of the template's name>, overwriting. The listing runs in
// name order and stops at the first name shorter than five characters. A failing copy throws
// RunTimeError.
void CopyTemplates(const QString& installationFolder, const QString& which,
                   const QString& workingFolder, const QString& baseName);

// Moves a project's file set from Source to Target: nameless files of Source (a full stop and
// an extension) are first folded into <BaseName><name> when newer, then every <BaseName>.*
// file of Source except drawings and their backups is copied over its namesake in Target.
// Stops at the first failing file, notes it in Report and returns false; files handled
// before stay handled. Nothing happens when Source is no folder. Durability is that of Target.
bool CopyProjectFiles(const QString& source, const QString& target, const QString& baseName,
                      Durability durability, ReportLog& report);

// Renames the <OldBase>.* files of Folder, except drawings and their backups, to NewBase with
// the same last extension. Never renames over an existing file: it stops there, notes it in
// Report and returns false.
bool RenameWorkingFiles(const QString& folder, const QString& oldBase, const QString& newBase,
                        ReportLog& report);

// Drawings and their backups stay where the CAD host keeps them.
bool IsDrawingOrBackup(const QString& fileName);

}  // namespace trellis
