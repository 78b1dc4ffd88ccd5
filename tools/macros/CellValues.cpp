#include "macros/CellValues.h"

#include "app/LocaleNumbers.h"

#include <cmath>

namespace trellis::macros {

namespace {

QString WithComma(QStringView text) {
  QString copy = text.toString();
  if (!copy.contains(u',')) copy.replace(u'.', u',');
  return copy;
}

}  // namespace

std::optional<double> CellNumber(QStringView text) {
  if (text.trimmed().isEmpty()) return std::nullopt;
  if (const auto number = ParseLocaleNumber(text)) return number;
  return ParseLocaleNumber(WithComma(text));
}

std::optional<int> CellWholeNumber(QStringView text) {
  if (text.trimmed().isEmpty()) return std::nullopt;
  if (const auto number = ParseLocaleWholeNumber(text)) return number;
  return ParseLocaleWholeNumber(WithComma(text));
}

QString CellListItem(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == u' ') --end;
  return text.left(end);
}

QString NumberCell(double value, int decimals) {
  // Whole numbers, most coordinates of a drawing on a grid among them, without the formatting.
  if (value == std::trunc(value) && std::abs(value) < 1e15) return QString::number(qint64(value));
  QString text = QString::number(value, 'f', decimals);
  if (text.contains(u'.')) {
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
  }
  if (text == QLatin1String("-0")) text = QStringLiteral("0");
  return text.replace(u'.', u',');
}

}  // namespace trellis::macros
