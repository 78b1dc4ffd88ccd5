#pragma once

#include <QString>

namespace trellis {

struct ProjectContext;

// The project file dialog, "Файл данных проекта (*.d01)", starting in the folder of setting
// main/Path when it exists. OpenFile picks an existing file; otherwise a save dialog asks
// before an existing file is replaced. Returns the chosen path, or "" when the user cancels,
// declines to replace or chooses a name the dialog refuses; then PendingError, when given,
// gets the run-time file error number of the refusal (0 for none). Without PendingError a
// refused name is told to the user at once.
QString GetFullName1(ProjectContext& ctx, const QString& caption, bool openFile = false,
                     int* pendingError = nullptr);

// The archive file dialog, "Архив (*.zip)", a save dialog with the same replace question. It
// starts where the project dialog last started, else in setting main/PathZip or main/Path,
// and remembers its starting folder in main/PathZip.
QString GetFullNameDialogZip(ProjectContext& ctx, const QString& caption,
                             int* pendingError = nullptr);

}  // namespace trellis
