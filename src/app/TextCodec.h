#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace trellis::cp1251 {

// Windows-1251 with its own table, as the Windows ANSI functions convert it: every byte maps to
// exactly one UTF-16 unit (the unassigned 0x98 to U+0098), so decoding and encoding round-trip.
QString Decode(QByteArrayView bytes);

// Exact mapping first, then a best fit to the unaccented letter, then "?" (one per UTF-16 unit,
// so a surrogate pair gives "??").
QByteArray Encode(QStringView text);

// The byte of one character, or 0 when it has neither an exact mapping nor a best fit.
char EncodeChar(QChar c);

}  // namespace trellis::cp1251
