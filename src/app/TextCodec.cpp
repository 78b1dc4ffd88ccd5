#include "app/TextCodec.h"

#include <array>

namespace trellis::cp1251 {
namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char16_t ByteToUnit(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return char16_t(0x0410 + (b - 0xC0));
  return kHighTable[b - 0x80];
}

// Reverse lookup of the 64 irregular bytes; a linear scan is cheap next to file I/O.
char ExactByte(char16_t u) {
  if (u < 0x80) return char(u);
  if (u >= 0x0410 && u <= 0x044F) return char(0xC0 + (u - 0x0410));
  for (int i = 0; i < 64; ++i) {
    if (kHighTable[i] == u) return char(0x80 + i);
  }
  return 0;
}

}  // namespace

QString Decode(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    out[i] = QChar(ByteToUnit(static_cast<unsigned char>(bytes[i])));
  }
  return text;
}

char EncodeChar(QChar c) {
  const char16_t u = c.unicode();
  if (u == 0) return 0;  // NUL is written as NUL by the caller, never best-fitted
  if (char exact = ExactByte(u)) return exact;
  // Best fit as Windows does it for Latin letters: the base letter of a canonical
  // decomposition ("é" -> "e", "Š" -> "S"); letters without one ("ß", "æ") get no fit.
  if (c.decompositionTag() == QChar::Canonical) {
    const QString parts = c.decomposition();
    if (!parts.isEmpty()) return EncodeChar(parts.front());
  }
  return 0;
}

QByteArray Encode(QStringView text) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  char* out = bytes.data();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() < 0x80) {
      out[i] = char(c.unicode());
    } else {
      const char b = EncodeChar(c);
      out[i] = b ? b : '?';
    }
  }
  return bytes;
}

}  // namespace trellis::cp1251
