#include "ui/ProgramServices.h"

#include "generator/ProgramProjectWriter.h"
#include "ui/ApplicationContext.h"

#include <QDesktopServices>
#include <QUrl>

namespace trellis {

void ProgramServices::ExportProgram() {
  ProgramProjectWriter writer(app_.installationFolder, app_.folders.GetFamilyFolder(), app_.ini,
                              app_.writer, app_.prompter);
  writer.SaveAsVB2(app_.project.projectPath, [](const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  });
}

}  // namespace trellis
