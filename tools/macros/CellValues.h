#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace trellis::macros {

// Cell texts as the program stores them. Numbers carry a decimal comma; a full stop, as a
// value pasted from elsewhere may have, is read too.
std::optional<double> CellNumber(QStringView text);
std::optional<int> CellWholeNumber(QStringView text);
// A check or option cell is set when it holds anything (the program writes a middle dot).
inline bool CellIsSet(QStringView text) { return !text.isEmpty(); }
// A value of a list with pictures is stored followed by six spaces.
QString CellListItem(const QString& text);
// A number for a cell: decimal comma, no exponent, at most Decimals digits after the comma and
// no trailing zeros ("2,5", "-0,001", "3").
QString NumberCell(double value, int decimals = 6);

}  // namespace trellis::macros
