#pragma once

#include <QString>

namespace trellis {

struct ProjectContext;

// The bodies of the main toolbar's project commands and of the items of its open and save
// menus, prompts included. The click frame around a command (disabling the window, the
// ProjectSaved changes before and after new and open) stays with the dispatch; a command that
// ran to its end answers true, so that the dispatch clears FreshStart. None of them throws: a
// failing file step ends the command and is noted in the report pane.

// new: after the unsaved-changes prompt and "Создать новый проект?", the path of the new
// project is chosen, the working files are made from the templates and saved there at once.
bool RunNewCommand(ProjectContext& ctx);

// open: after the unsaved-changes prompt (not right after start-up), a chosen project file is
// opened; a file whose text begins with "[" belongs to another program and is refused.
bool RunOpenCommand(ProjectContext& ctx);

// save: saves to ProjectPath, first asking for a path when that file does not exist; false when
// that dialog was cancelled. The project counts as saved only when every file reached its
// folder.
bool RunSaveCommand(ProjectContext& ctx);

// The save menu's "Сохранить как ...".
void SaveAs(ProjectContext& ctx);

// An item of the open menu: the recent project at Path, without the unsaved-changes prompt.
void OpenRecentProject(ProjectContext& ctx, const QString& path);

// The unsaved-changes prompt: Cancel keeps the current state; Yes runs the save command, and a
// save that failed cancels too, so that closing never drops work that did not reach its folder.
void AskSaveChanges(ProjectContext& ctx, bool& cancel);

}  // namespace trellis
