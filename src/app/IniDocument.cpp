#include "app/IniDocument.h"

#include "app/TextCodec.h"

#include <QtEndian>

namespace trellis {
namespace {

// Windows trims spaces, tabs and vertical tabs from the lines it parses.
bool IsLineSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\v'; }

QStringView TrimLineSpace(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && IsLineSpace(s[b])) ++b;
  while (e > b && IsLineSpace(s[e - 1])) --e;
  return s.sliced(b, e - b);
}

// The caller's section and key names lose their outer spaces only, not tabs.
QStringView TrimSpaces(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b] == u' ') ++b;
  while (e > b && s[e - 1] == u' ') --e;
  return s.sliced(b, e - b);
}

QStringView Unquoted(QStringView value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front()) {
    return value.sliced(1, value.size() - 2);
  }
  return value;
}

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QString FoldIniName(QStringView name) {
  QString folded(name.size(), Qt::Uninitialized);
  QChar* out = folded.data();
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    if (c < 0x80) {
      out[i] = QChar(c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c);
    } else {
      // Qt would turn the micro sign into a Greek capital; the Windows table leaves it alone.
      out[i] = (QChar::isSurrogate(c) || c == 0x00B5) ? QChar(c) : QChar(QChar::toUpper(c));
    }
  }
  return folded;
}

IniDocument::IniDocument(IniEncoding encoding) : encoding_(encoding) {}

IniDocument IniDocument::Parse(QByteArrayView bytes) {
  const bool unicode =
      bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE;
  IniDocument doc(unicode ? IniEncoding::Utf16Le : IniEncoding::Ansi);
  if (unicode) {
    const qsizetype units = (bytes.size() - 2) / 2;
    doc.text_.resize(units);
    for (qsizetype i = 0; i < units; ++i) {
      doc.text_[i] = QChar(qFromLittleEndian<quint16>(bytes.data() + 2 + 2 * i));
    }
    if ((bytes.size() - 2) % 2) doc.tail_ = bytes.last(1).toByteArray();
  } else {
    doc.text_ = cp1251::Decode(bytes);
  }
  doc.Reindex();
  return doc;
}

QByteArray IniDocument::Serialize() const {
  if (encoding_ == IniEncoding::Ansi) return cp1251::Encode(text_);
  QByteArray bytes(2 + 2 * text_.size(), Qt::Uninitialized);
  bytes[0] = char(0xFF);
  bytes[1] = char(0xFE);
  for (qsizetype i = 0; i < text_.size(); ++i) {
    qToLittleEndian<quint16>(text_[i].unicode(), bytes.data() + 2 + 2 * i);
  }
  return bytes + tail_;
}

QStringView IniDocument::LineText(const Line& line) const {
  return QStringView(text_).sliced(line.start, line.length);
}

void IniDocument::Reindex() {
  lines_.clear();
  sections_.clear();
  sectionIndex_.clear();

  const QStringView text(text_);
  for (qsizetype pos = 0; pos < text.size();) {
    Line line;
    line.start = pos;
    qsizetype end = pos;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    line.length = end - pos;
    if (end < text.size()) {
      line.endLength = (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
    }
    pos = end + line.endLength;

    const QStringView content = TrimLineSpace(LineText(line));
    if (content.isEmpty()) {
      line.kind = LineKind::Blank;
    } else if (content.front() == u';') {
      line.kind = LineKind::Comment;
    } else if (content.front() == u'[') {
      line.kind = LineKind::Header;
    } else {
      line.equalsAt = LineText(line).indexOf(u'=');
      line.kind = line.equalsAt >= 0 ? LineKind::Key : LineKind::Other;
    }
    lines_.push_back(line);
  }

  for (int i = 0; i < int(lines_.size()); ++i) {
    const Line& line = lines_[i];
    if (line.kind == LineKind::Header) {
      if (!sections_.empty()) sections_.back().endLine = i;
      // The name ends at the first "]"; a header without one runs to the end of the line.
      QStringView name = TrimLineSpace(LineText(line)).sliced(1);
      const qsizetype close = name.indexOf(u']');
      if (close >= 0) name = name.first(close);
      const QString folded = FoldIniName(TrimLineSpace(name));
      if (!sectionIndex_.contains(folded)) sectionIndex_.insert(folded, int(sections_.size()));
      sections_.push_back(Section{i, int(lines_.size()), {}});
    } else if (line.kind == LineKind::Key && !sections_.empty()) {
      const QStringView key = TrimLineSpace(LineText(line).first(line.equalsAt));
      const QString folded = FoldIniName(key);
      QHash<QString, int>& keys = sections_.back().keyLines;
      if (!keys.contains(folded)) keys.insert(folded, i);
    }
  }
}

const IniDocument::Section* IniDocument::FindSection(const QString& foldedName) const {
  const auto it = sectionIndex_.constFind(foldedName);
  return it == sectionIndex_.cend() ? nullptr : &sections_[*it];
}

std::optional<QString> IniDocument::Value(QStringView section, QStringView key) const {
  const Section* s = FindSection(FoldIniName(TrimSpaces(section)));
  if (!s) return std::nullopt;
  const auto it = s->keyLines.constFind(FoldIniName(TrimSpaces(key)));
  if (it == s->keyLines.cend()) return std::nullopt;
  const Line& line = lines_[*it];
  return Unquoted(TrimLineSpace(LineText(line).sliced(line.equalsAt + 1))).toString();
}

QStringList IniDocument::Keys(QStringView section) const {
  QStringList keys;
  const Section* s = FindSection(FoldIniName(TrimSpaces(section)));
  if (!s) return keys;
  for (int i = s->headerLine + 1; i < s->endLine; ++i) {
    const Line& line = lines_[size_t(i)];
    if (line.kind != LineKind::Key) continue;
    const QString name = TrimSpaces(LineText(line).first(line.equalsAt)).toString();
    if (s->keyLines.value(FoldIniName(name), -1) == i) keys << name;
  }
  return keys;
}

void IniDocument::ReplaceText(qsizetype start, qsizetype length, const QString& replacement) {
  text_.replace(start, length, replacement);
  Reindex();
}

void IniDocument::SetValue(QStringView section, QStringView key, QStringView value) {
  const QStringView sectionName = TrimSpaces(section);
  const QStringView keyName = TrimSpaces(key);
  const QString keyLine = keyName.toString() + u'=' + value.toString() + kCrLf;

  const Section* s = FindSection(FoldIniName(sectionName));
  if (!s) {
    const bool needsBreak = !text_.isEmpty() && !text_.endsWith(u'\r') && !text_.endsWith(u'\n');
    ReplaceText(text_.size(), 0,
                (needsBreak ? kCrLf : QString()) + u'[' + sectionName.toString() + u']' + kCrLf + keyLine);
    return;
  }

  const auto existing = s->keyLines.constFind(FoldIniName(keyName));
  if (existing != s->keyLines.cend()) {
    // The key keeps its spelling and everything up to "="; the value and line end are new.
    const Line& line = lines_[*existing];
    const qsizetype valueStart = line.start + line.equalsAt + 1;
    ReplaceText(valueStart, line.start + line.length + line.endLength - valueStart,
                value.toString() + kCrLf);
    return;
  }

  // New keys go right after the last key line, above the comments and blank lines that end
  // the section; a section without keys gets it right under its header.
  int after = s->headerLine;
  for (int i = s->headerLine + 1; i < s->endLine; ++i) {
    if (lines_[i].kind == LineKind::Key || lines_[i].kind == LineKind::Other) after = i;
  }
  const Line& anchor = lines_[after];
  const qsizetype insertAt = anchor.start + anchor.length + anchor.endLength;
  ReplaceText(insertAt, 0, (anchor.endLength == 0 ? kCrLf : QString()) + keyLine);
}

void IniDocument::RemoveKey(QStringView section, QStringView key) {
  const Section* s = FindSection(FoldIniName(TrimSpaces(section)));
  if (!s) return;
  const auto it = s->keyLines.constFind(FoldIniName(TrimSpaces(key)));
  if (it == s->keyLines.cend()) return;
  const Line& line = lines_[*it];
  ReplaceText(line.start, line.length + line.endLength, QString());
}

void IniDocument::RemoveSection(QStringView section) {
  const Section* s = FindSection(FoldIniName(TrimSpaces(section)));
  if (!s) return;
  // The section's text is rebuilt from its comment and blank lines, in their order.
  const Line& first = lines_[s->headerLine];
  const Line& last = lines_[s->endLine - 1];
  const qsizetype start = first.start;
  const qsizetype end = last.start + last.length + last.endLength;
  QString kept;
  for (int i = s->headerLine; i < s->endLine; ++i) {
    const Line& line = lines_[i];
    if (line.kind == LineKind::Blank || line.kind == LineKind::Comment) {
      kept += QStringView(text_).sliced(line.start, line.length + line.endLength);
    }
  }
  ReplaceText(start, end - start, kept);
}

}  // namespace trellis
