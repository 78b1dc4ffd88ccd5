#include "app/LocaleNumbers.h"

#include <QString>

#include <cmath>
#include <limits>

namespace trellis {
namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == QChar(0x00A0); }

std::optional<double> ParseRadix(QStringView digits, int radix) {
  if (digits.isEmpty()) return std::nullopt;
  bool ok = false;
  const qulonglong value = digits.toString().toULongLong(&ok, radix);
  if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
  // Hexadecimal and octal literals are 16- or 32-bit signed values.
  if (value <= 0xFFFF && digits.size() <= (radix == 16 ? 4 : 6)) return double(qint16(value));
  return double(qint32(quint32(value)));
}

}  // namespace

std::optional<double> ParseLocaleNumber(QStringView text) {
  qsizetype b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  QStringView s = text.sliced(b, e - b);
  if (s.isEmpty()) return std::nullopt;

  bool negative = false;
  if (s.size() >= 2 && s.front() == u'(' && s.back() == u')') {
    negative = true;
    s = s.sliced(1, s.size() - 2);
  } else if (s.front() == u'+' || s.front() == u'-') {
    negative = s.front() == u'-';
    s = s.sliced(1);
  } else if (s.back() == u'-') {
    negative = true;
    s.chop(1);
  }
  if (s.size() > 2 && s[0] == u'&' && (s[1] == u'H' || s[1] == u'h' || s[1] == u'O' || s[1] == u'o')) {
    const auto value = ParseRadix(s.sliced(2), (s[1] == u'H' || s[1] == u'h') ? 16 : 8);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
  }

  QString plain;
  bool digitSeen = false, commaSeen = false, exponentSeen = false;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c.isDigit() && c.unicode() < 0x80) {
      plain += c;
      digitSeen = true;
    } else if (c == u',' && !commaSeen && !exponentSeen) {
      plain += u'.';
      commaSeen = true;
    } else if (IsBlank(c) && digitSeen && !commaSeen && !exponentSeen) {
      continue;  // thousands separator
    } else if ((c == u'e' || c == u'E') && digitSeen && !exponentSeen) {
      plain += u'e';
      exponentSeen = true;
      if (i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-')) plain += s[++i];
    } else {
      return std::nullopt;
    }
  }
  if (!digitSeen || plain.endsWith(u'e') || plain.endsWith(u'+') || plain.endsWith(u'-')) {
    return std::nullopt;
  }
  bool ok = false;
  const double value = plain.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<int> ParseLocaleWholeNumber(QStringView text) {
  const auto value = ParseLocaleNumber(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // the default rounding mode is half to even
  if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return int(rounded);
}

QString FormatWithZeros(QStringView text, int digits) {
  const std::optional<double> number = ParseLocaleNumber(text);
  if (!number) return text.toString();
  const double rounded = std::floor(std::abs(*number) + 0.5);
  const QString magnitude = QString::number(rounded, 'f', 0).rightJustified(digits, u'0');
  return std::signbit(*number) && *number != 0.0 ? u'-' + magnitude : magnitude;
}

}  // namespace trellis
