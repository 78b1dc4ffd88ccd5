#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace trellis {

// How the bytes of an INI file map to text. Windows treats a file that starts with the UTF-16LE
// byte-order mark as Unicode and keeps it so; everything else is ANSI (Windows-1251 here).
enum class IniEncoding { Ansi, Utf16Le };

// One INI file held as text, read and edited by the Windows profile-string rules: names
// without case, first section and first key win, ";" comment lines, one outer pair of quotes
// removed from values, and edits that leave every untouched line byte for byte.
class IniDocument {
 public:
  explicit IniDocument(IniEncoding encoding = IniEncoding::Ansi);

  static IniDocument Parse(QByteArrayView bytes);
  QByteArray Serialize() const;

  IniEncoding Encoding() const { return encoding_; }
  bool IsEmpty() const { return text_.isEmpty() && tail_.isEmpty(); }

  // The value as the profile-string reader returns it (trimmed, outer quotes removed), or
  // nothing when the section or key is missing. Spaces around the names are ignored.
  std::optional<QString> Value(QStringView section, QStringView key) const;
  // The key names of a section in the file's order, each once (the first line of a name is
  // the one read); none when the section is missing.
  QStringList Keys(QStringView section) const;

  // Writes the value verbatim; creates the key after the last key line of its section, or the
  // section at the end of the file.
  void SetValue(QStringView section, QStringView key, QStringView value);
  // Removes the key's line; an emptied section keeps its header.
  void RemoveKey(QStringView section, QStringView key);
  // Removes the section's header and key lines; its comment and blank lines stay.
  void RemoveSection(QStringView section);

 private:
  enum class LineKind { Blank, Comment, Header, Key, Other };
  struct Line {
    qsizetype start = 0;
    qsizetype length = 0;     // without the line end
    qsizetype endLength = 0;  // 0 (last line without a line end), 1 (CR or LF) or 2 (CR LF)
    LineKind kind = LineKind::Blank;
    qsizetype equalsAt = -1;  // key lines: position of the first "="
  };
  struct Section {
    int headerLine = 0;
    int endLine = 0;  // one past the section's last line
    QHash<QString, int> keyLines;  // folded key name -> first line with it
  };

  void Reindex();
  const Section* FindSection(const QString& foldedName) const;
  void ReplaceText(qsizetype start, qsizetype length, const QString& replacement);
  QStringView LineText(const Line& line) const;

  IniEncoding encoding_;
  QString text_;
  QByteArray tail_;  // an odd last byte of a UTF-16 file, kept as it was
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  QHash<QString, int> sectionIndex_;  // folded section name -> first section with it
};

// Names compare without case, one UTF-16 unit at a time, as the Windows case tables do.
QString FoldIniName(QStringView name);

}  // namespace trellis
