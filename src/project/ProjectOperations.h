#pragma once

#include <QString>

namespace trellis {

struct ProjectContext;

// The project operations behind the project commands. While a project is open its files live
// in the working folder as <ProjectBaseName>.*; the project folder holds the last save. The
// operations throw RunTimeError when the working folder or a template copy cannot be made;
// the commands catch it.

// Records a path just chosen in the project dialog: the title is the file name without its
// last four characters (".d01"), the folder becomes setting main/Path, and the working files
// take the new base name. The caller then sets ProjectPath.
void TakeChosenName(ProjectContext& ctx, const QString& chosenPath);

// The start-up project "Новый проект": fresh working files from both template folders, shown
// in the grid.
void CreateStartupProject(ProjectContext& ctx);

// Empties the working folder for a new project under the base name already taken, lays both
// template folders into it and shows the first table. The title stays empty.
void InitNewProject(ProjectContext& ctx);

// Replaces the working files by the set of the project at Path and its tr templates, takes the
// calculation options from its <base>.ini and shows the current table again. Does nothing
// (false) when Path is no file or lies in the working folder itself. When a file did not
// arrive, the user is told and ProjectPath is cleared so that no save writes the incomplete set
// over the project.
bool OpenProjectFile(ProjectContext& ctx, const QString& path);

// Takes over a working folder left by an instance that stopped without closing (see Recovery.h)
// as the open project, its changes still unsaved; its folder and note go once every file is
// copied. False, and the user is told, when some did not arrive: the folder then stays.
struct RecoveryRecord;
bool RecoverProject(ProjectContext& ctx, const RecoveryRecord& record);

// A project open in another running instance is not opened a second time for writing: the
// user opens it read-only (it can then be saved only under a new name) or not at all. False
// when it is not to be opened; ReadOnly tells how it is.
bool MayOpenProject(ProjectContext& ctx, const QString& path, bool& readOnly);
// After a read-only open: no path to save to, and the report says why.
void MarkReadOnly(ProjectContext& ctx);

// Writes the shown table and the calculation options into the working files and copies the
// set to the folder of Path. False, with a line in the report pane, when the folder is
// missing or a copy stopped; the files already in that folder are then each whole, old or new.
bool SaveProjectFile(ProjectContext& ctx, const QString& path);

// Tells the user in a message box that What did not happen, with the reason the report pane
// got last (the report keeps the whole story).
void TellProjectFailure(ProjectContext& ctx, const QString& what);

// A recent-list entry: takes its name as title and base name and opens it. A missing file
// leaves the working files as they are; so does a project another instance has open that the
// user does not open read-only.
void OpenRecent(ProjectContext& ctx, const QString& path);

}  // namespace trellis
