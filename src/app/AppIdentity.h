#pragma once

#include <QString>

namespace trellis {

// The program title: settings key, caption prefix and message box caption.
inline QString ProgramTitle() { return QStringLiteral("Trellis"); }

// The settings key shared by the programs of the family.
inline QString FamilyKey() { return QStringLiteral("Kestrel"); }

}  // namespace trellis
