#include "cad-host/HostServices.h"

#include <QCoreApplication>
#include <QTimer>

namespace trellis::cadhost {

void NoWindow::QuitRequested() {
  // After the answer to the call that asked for it has gone out.
  QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

}  // namespace trellis::cadhost
