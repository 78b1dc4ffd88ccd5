#include "cad-host/dxf/DxfFile.h"

#include "app/TextCodec.h"

#include <charconv>

namespace trellis::cadhost {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Replaces each "\U+XXXX" by its character; anything else stays as it is.
QString DecodeEscapes(QString text) {
  qsizetype at = text.indexOf(QLatin1String("\\U+"));
  if (at < 0) return text;
  QString out;
  out.reserve(text.size());
  qsizetype from = 0;
  while (at >= 0) {
    int code = 0;
    bool valid = at + 7 <= text.size();
    for (int i = 0; valid && i < 4; ++i) {
      const QChar c = text[at + 3 + i];
      const int digit = c.unicode() < 128 ? HexDigit(char(c.unicode())) : -1;
      valid = digit >= 0;
      code = code * 16 + digit;
    }
    if (valid) {
      out += QStringView(text).mid(from, at - from);
      out += QChar(char16_t(code));
      from = at + 7;
    }
    at = text.indexOf(QLatin1String("\\U+"), valid ? from : at + 1);
  }
  out += QStringView(text).mid(from);
  return out;
}

void AppendEscape(QByteArray& out, char16_t unit) {
  static const char digits[] = "0123456789ABCDEF";
  out += "\\U+";
  for (int shift = 12; shift >= 0; shift -= 4) out += digits[(unit >> shift) & 0xF];
}

}  // namespace

DxfCodec::DxfCodec(const QByteArray& version, const QByteArray& codePage) {
  // AC1021 and later are compared as text: the versions are fixed-width "ACnnnn".
  if (version.size() == 6 && version.startsWith("AC") && version >= "AC1021") {
    kind_ = Kind::Utf8;
  } else if (codePage.trimmed().compare("ANSI_1251", Qt::CaseInsensitive) == 0) {
    kind_ = Kind::Windows1251;
  } else {
    kind_ = Kind::Latin1;
  }
}

QString DxfCodec::Decode(QByteArrayView bytes) const {
  switch (kind_) {
    case Kind::Utf8:
      return DecodeEscapes(QString::fromUtf8(bytes));
    case Kind::Windows1251:
      return DecodeEscapes(cp1251::Decode(bytes));
    case Kind::Latin1:
      break;
  }
  return DecodeEscapes(QString::fromLatin1(bytes));
}

QByteArray DxfCodec::Encode(const QString& text) const {
  if (kind_ == Kind::Utf8) {
    // A line end inside a value would split it into two lines of the file.
    QString cleaned = text;
    cleaned.replace(QLatin1Char('\r'), QLatin1String("\\U+000D"));
    cleaned.replace(QLatin1Char('\n'), QLatin1String("\\U+000A"));
    return cleaned.toUtf8();
  }
  QByteArray out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t unit = c.unicode();
    if (unit == '\r' || unit == '\n' || unit == 0) {
      AppendEscape(out, unit);
    } else if (kind_ == Kind::Windows1251) {
      // Only an exact mapping: a best fit would change the text the next read gives.
      const char byte = cp1251::EncodeChar(c);
      if (byte != 0 && cp1251::Decode(QByteArrayView(&byte, 1)) == QString(c)) {
        out += byte;
      } else {
        AppendEscape(out, unit);
      }
    } else if (unit < 0x100) {
      out += char(unit);
    } else {
      AppendEscape(out, unit);
    }
  }
  return out;
}

DxfError::DxfError(qint64 line, const QString& reason)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(reason).toStdString()),
      line_(line),
      reason_(reason) {}

QString DxfError::Text() const {
  return QStringLiteral("line %1: %2").arg(line_).arg(reason_);
}

QByteArray HandleText(quint64 handle) {
  return QByteArray::number(handle, 16).toUpper();
}

std::optional<quint64> ParseHandle(QByteArrayView text) {
  text = text.trimmed();
  if (text.isEmpty() || text.size() > 15) return std::nullopt;
  quint64 value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace trellis::cadhost
