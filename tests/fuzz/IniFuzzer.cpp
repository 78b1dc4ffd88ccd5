// Feeds arbitrary bytes to the INI parser and editor and checks what must always hold: the
// bytes come back unchanged, lookups never fail, and a written value reads back.
#include "app/IniDocument.h"
#include "app/TextCodec.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>

using trellis::IniDocument;

namespace {

// Names and values the writer can hold exactly: no line breaks, brackets, "=", ";" at the
// start, quotes or outer blanks.
QString Clean(QStringView s) {
  QString out;
  for (QChar c : s) {
    if (c.isLetterOrNumber() || c == u'_' || c == u'.') out += c;
  }
  return out.isEmpty() ? QStringLiteral("x") : out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  IniDocument doc = IniDocument::Parse(bytes);
  if (doc.Serialize() != bytes) std::abort();

  // Names taken from the input reach sections and keys that really exist in it.
  const QString text = trellis::cp1251::Decode(bytes.first(std::min<qsizetype>(bytes.size(), 64)));
  const QStringList words = text.split(QRegularExpression(QStringLiteral("[\\[\\]=\\r\\n]")));
  for (qsizetype i = 0; i + 1 < words.size(); ++i) (void)doc.Value(words[i], words[i + 1]);

  const QString section = Clean(words.value(0));
  const QString key = Clean(words.value(1));
  const QString value = Clean(words.value(2));
  doc.SetValue(section, key, value);
  if (doc.Value(section, key) != value) std::abort();
  const QByteArray written = doc.Serialize();
  if (IniDocument::Parse(written).Value(section, key) != value) std::abort();
  doc.RemoveKey(section, key);
  doc.RemoveSection(section);
  return 0;
}
