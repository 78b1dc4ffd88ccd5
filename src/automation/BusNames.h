#pragma once

#include <QString>

namespace trellis {

// How ProgIDs appear on the bus. ProgIDs compare without case, so names are lower-cased;
// characters a bus name may not hold are escaped, so the mapping stays one-to-one:
//   AutoCAD.Application.16 -> org.trellis.progid.autocad.application._16
// (an element may not begin with a digit: a leading "_" marks it; other characters become
// "_x" and their UTF-8 bytes in hex).
QString BusNameOf(const QString& progId);

// The object path of the instance a server publishes for ProgId: /progid/<escaped name>,
// where every character outside [a-z0-9] becomes "_" and its UTF-8 bytes in hex.
QString RootPathOf(const QString& progId);

// The single interface every published object answers: Invoke, Get and Set.
inline QString LateBoundInterface() {
  return QStringLiteral("org.trellis.Late1");
}
// The error name a server answers when the called member throws.
inline QString LateBoundErrorName() {
  return QStringLiteral("org.trellis.Late1.Error");
}

}  // namespace trellis
