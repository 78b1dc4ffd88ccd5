#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace trellis {

// Qt's own texts (the buttons of message boxes, the file dialogs) in Russian, like the rest of
// the program, from Qt's translations (Debian's qt6-translations-l10n). Texts must outlive the
// application's use of it. False when the translations are not installed: Qt then speaks English.
bool InstallRussianQtTexts(QCoreApplication& app, QTranslator& texts);

}  // namespace trellis
