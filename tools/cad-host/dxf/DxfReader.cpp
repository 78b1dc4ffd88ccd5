#include "cad-host/dxf/DxfReader.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace trellis::cadhost {

namespace {

// As the writer trims: a stray carriage return is white space too.
QByteArrayView Trim(QByteArrayView text) {
  return text.trimmed();
}

// Group codes whose values are numbers (the DXF reference's ranges of reals and integers).
bool IsNumberCode(int code) {
  return (code >= 10 && code <= 99) || (code >= 140 && code <= 147) ||
         (code >= 160 && code <= 175) || (code >= 210 && code <= 239) ||
         (code >= 270 && code <= 299) || (code >= 370 && code <= 389) ||
         (code >= 400 && code <= 409) || (code >= 420 && code <= 429) ||
         (code >= 440 && code <= 459) || (code >= 1010 && code <= 1071);
}

QString Shown(QByteArrayView text) {
  return QString::fromLatin1(text.first(qMin<qsizetype>(text.size(), 40)));
}

struct Pair {
  int code = 0;
  QByteArrayView value;
  qint64 line = 0;  // of the code
};

class Reader {
 public:
  explicit Reader(QByteArrayView bytes)
      : at_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  DxfFile Read();

 private:
  bool NextLine(QByteArrayView& line);
  bool Advance();
  void MustAdvance();
  bool IsZero(const char* type) const {
    return pair_.code == 0 && Trim(pair_.value) == QByteArrayView(type);
  }
  // Appends the object at the current "0 TYPE" pair (up to the next code 0) and moves there.
  void AppendObject(DxfRecord& record);
  void ReadHeader();
  void ReadClasses();
  void ReadTables();
  void ReadBlocks();
  void ReadEntities();
  void ReadObjects();
  void SkipSection();
  void SplitGroups(std::vector<DxfRecord>& objects);
  // Every record gets a handle of its own: one is made where the file has none, and a handle
  // the file uses twice is replaced at its second use, so references stay unambiguous.
  void GiveHandles();
  void GiveHandles(DxfRecord& record, QSet<quint64>& seen);
  quint64 FreshHandle(QSet<quint64>& seen);
  [[noreturn]] void Truncated() const;

  const char* at_;
  const char* end_;
  qint64 lines_ = 0;
  Pair pair_;
  QByteArray section_;
  DxfFile file_;
  std::vector<DxfRecord> layerEntries_;
  quint64 headerSeed_ = 0;
  quint64 maxHandle_ = 0;
};

bool Reader::NextLine(QByteArrayView& line) {
  if (at_ == end_) return false;
  const char* newline = static_cast<const char*>(std::memchr(at_, '\n', size_t(end_ - at_)));
  const char* stop = newline ? newline : end_;
  const char* last = stop;
  if (last != at_ && last[-1] == '\r') --last;
  line = QByteArrayView(at_, last - at_);
  at_ = newline ? newline + 1 : end_;
  ++lines_;
  return true;
}

bool Reader::Advance() {
  QByteArrayView codeLine;
  if (!NextLine(codeLine)) return false;
  const qint64 line = lines_;
  const QByteArrayView code = Trim(codeLine);
  int value = 0;
  const auto result = std::from_chars(code.data(), code.data() + code.size(), value);
  if (code.isEmpty() || result.ec != std::errc() || result.ptr != code.data() + code.size()) {
    throw DxfError(line, QStringLiteral("the group code \"%1\" is not a whole number")
                             .arg(Shown(codeLine)));
  }
  QByteArrayView text;
  if (!NextLine(text)) {
    throw DxfError(line, QStringLiteral("the file ends after group code %1, without its value")
                             .arg(value));
  }
  pair_ = {value, text, line};
  return true;
}

void Reader::Truncated() const {
  throw DxfError(qMax<qint64>(lines_, 1),
                 QStringLiteral("the file ends inside the %1 section").arg(QString::fromLatin1(section_)));
}

void Reader::MustAdvance() {
  if (!Advance()) Truncated();
}

void Reader::AppendObject(DxfRecord& record) {
  const QByteArrayView type = Trim(pair_.value);
  const int handleCode = type == QByteArrayView("DIMSTYLE") ? 105 : 5;
  bool hasHandle = false;
  record.Append(0, pair_.value);
  for (;;) {
    MustAdvance();
    if (pair_.code == 0) break;
    if (pair_.code == handleCode && !hasHandle) {
      const auto handle = ParseHandle(pair_.value);
      if (!handle) {
        throw DxfError(pair_.line, QStringLiteral("the handle \"%1\" is not a hexadecimal number")
                                       .arg(Shown(pair_.value)));
      }
      hasHandle = true;
      maxHandle_ = qMax(maxHandle_, *handle);
    } else if (IsNumberCode(pair_.code) && !ParseDxfNumber(pair_.value)) {
      throw DxfError(pair_.line, QStringLiteral("the value \"%1\" of group code %2 is not a number")
                                     .arg(Shown(pair_.value))
                                     .arg(pair_.code));
    }
    record.Append(pair_.code, pair_.value);
  }
}

void Reader::ReadHeader() {
  MustAdvance();
  while (!IsZero("ENDSEC")) {
    if (pair_.code != 9) {
      // Values of a variable follow its "9 $NAME"; anything before the first one is dropped.
      MustAdvance();
      continue;
    }
    DxfRecord variable;
    const QByteArrayView name = Trim(pair_.value);
    variable.Append(9, name);
    for (;;) {
      MustAdvance();
      if (pair_.code == 9 || pair_.code == 0) break;
      variable.Append(pair_.code, pair_.value);
    }
    if (name == QByteArrayView("$ACADVER")) {
      file_.version = Trim(variable.ValueOf(1)).toByteArray();
    } else if (name == QByteArrayView("$DWGCODEPAGE")) {
      file_.codePage = Trim(variable.ValueOf(3)).toByteArray();
    } else if (name == QByteArrayView("$HANDSEED")) {
      headerSeed_ = ParseHandle(variable.ValueOf(5)).value_or(0);
    } else {
      file_.header.push_back(std::move(variable));
    }
  }
}

void Reader::ReadClasses() {
  MustAdvance();
  while (!IsZero("ENDSEC")) {
    if (pair_.code != 0) {
      MustAdvance();
      continue;
    }
    DxfRecord record;
    AppendObject(record);
    file_.classes.push_back(std::move(record));
  }
}

void Reader::ReadTables() {
  MustAdvance();
  while (!IsZero("ENDSEC")) {
    if (!IsZero("TABLE")) {
      throw DxfError(pair_.line, QStringLiteral("a TABLE was expected here, not \"%1\"")
                                     .arg(Shown(pair_.value)));
    }
    DxfTable table;
    AppendObject(table.head);
    table.name = Trim(table.head.ValueOf(2)).toByteArray().toUpper();
    while (!IsZero("ENDTAB")) {
      if (IsZero("ENDSEC") || IsZero("TABLE")) {
        throw DxfError(pair_.line, QStringLiteral("the %1 table has no ENDTAB")
                                       .arg(QString::fromLatin1(table.name)));
      }
      DxfRecord entry;
      AppendObject(entry);
      table.entries.push_back(std::move(entry));
    }
    do MustAdvance();
    while (pair_.code != 0);
    if (table.name == "LAYER") {
      file_.layerTableHead = std::move(table.head);
      for (DxfRecord& entry : table.entries) layerEntries_.push_back(std::move(entry));
    } else {
      file_.tables.push_back(std::move(table));
    }
  }
}

void Reader::ReadBlocks() {
  MustAdvance();
  while (!IsZero("ENDSEC")) {
    if (!IsZero("BLOCK")) {
      throw DxfError(pair_.line, QStringLiteral("a BLOCK was expected here, not \"%1\"")
                                     .arg(Shown(pair_.value)));
    }
    const qint64 start = pair_.line;
    DxfRecord block;
    AppendObject(block);
    while (!IsZero("ENDBLK")) {
      if (IsZero("ENDSEC") || IsZero("BLOCK")) {
        throw DxfError(start, QStringLiteral("the block has no ENDBLK"));
      }
      AppendObject(block);
    }
    AppendObject(block);
    file_.blocks.push_back(std::move(block));
  }
}

void Reader::ReadEntities() {
  MustAdvance();
  while (!IsZero("ENDSEC")) {
    if (pair_.code != 0) {
      MustAdvance();
      continue;
    }
    DxfRecord entity;
    const bool polyline = IsZero("POLYLINE");
    const bool insert = IsZero("INSERT");
    AppendObject(entity);
    if (polyline || insert) {
      // The VERTEXes of a POLYLINE and the ATTRIBs of an INSERT, then their SEQEND.
      while (IsZero(polyline ? "VERTEX" : "ATTRIB")) AppendObject(entity);
      if (IsZero("SEQEND")) AppendObject(entity);
    }
    file_.entities.push_back(std::move(entity));
  }
}

void Reader::ReadObjects() {
  MustAdvance();
  std::vector<DxfRecord> objects;
  while (!IsZero("ENDSEC")) {
    if (pair_.code != 0) {
      MustAdvance();
      continue;
    }
    DxfRecord object;
    AppendObject(object);
    objects.push_back(std::move(object));
  }
  SplitGroups(objects);
}

// The GROUP objects become DxfGroups named by the ACAD_GROUP dictionary; groups it does not
// name are dropped, as a program reading the dictionary would not find them either.
void Reader::SplitGroups(std::vector<DxfRecord>& objects) {
  auto isType = [](const DxfRecord& record, const char* type) {
    return !record.Empty() && Trim(record.Value(0)) == QByteArrayView(type);
  };
  auto handleOf = [](const DxfRecord& record) { return Trim(record.ValueOf(5)).toByteArray().toUpper(); };
  if (!objects.empty() && isType(objects.front(), "DICTIONARY")) {
    const DxfRecord& root = objects.front();
    for (int i = 0; i + 1 < root.Size(); ++i) {
      // A reference that is no handle names no dictionary: the groups are then made anew.
      if (root.Code(i) == 3 && Trim(root.Value(i)) == QByteArrayView("ACAD_GROUP") &&
          (root.Code(i + 1) == 350 || root.Code(i + 1) == 360) &&
          ParseHandle(root.Value(i + 1))) {
        file_.groupDictionaryHandle = Trim(root.Value(i + 1)).toByteArray().toUpper();
        break;
      }
    }
  }
  QHash<QByteArray, const DxfRecord*> groupObjects;
  const DxfRecord* dictionary = nullptr;
  for (const DxfRecord& object : objects) {
    if (isType(object, "GROUP")) {
      groupObjects.insert(handleOf(object), &object);
    } else if (!file_.groupDictionaryHandle.isEmpty() && isType(object, "DICTIONARY") &&
               handleOf(object) == file_.groupDictionaryHandle) {
      dictionary = &object;
    }
  }
  const DxfCodec codec = file_.Codec();
  QSet<QByteArray> named(groupObjects.keyBegin(), groupObjects.keyEnd());
  if (dictionary) {
    for (int i = 0; i + 1 < dictionary->Size(); ++i) {
      if (dictionary->Code(i) != 3 ||
          (dictionary->Code(i + 1) != 350 && dictionary->Code(i + 1) != 360)) {
        continue;
      }
      const QByteArray handle = Trim(dictionary->Value(i + 1)).toByteArray().toUpper();
      const DxfRecord* object = groupObjects.value(handle);
      // One GROUP object is one group, whatever names the dictionary gives it.
      if (!object || !named.contains(handle)) continue;
      named.remove(handle);
      // A file with two OBJECTS sections may name a group twice; the first one counts.
      const QString name = codec.Decode(dictionary->Value(i));
      if (std::any_of(file_.groups.begin(), file_.groups.end(), [&](const DxfGroup& known) {
            return known.handle == handle || known.name.compare(name, Qt::CaseInsensitive) == 0;
          })) {
        continue;
      }
      DxfGroup group;
      group.name = name;
      group.handle = handle;
      group.description = codec.Decode(object->ValueOf(300));
      group.selectable = object->NumberOf(71).value_or(1) != 0;
      for (int m = 0; m < object->Size(); ++m) {
        // A member that is no handle refers to nothing.
        if (object->Code(m) != 340) continue;
        if (const auto member = ParseHandle(object->Value(m))) group.members.push_back(HandleText(*member));
      }
      file_.groups.push_back(std::move(group));
    }
  }
  for (DxfRecord& object : objects) {
    if (isType(object, "GROUP") || &object == dictionary) continue;
    file_.objects.push_back(std::move(object));
  }
}

void Reader::SkipSection() {
  do MustAdvance();
  while (!IsZero("ENDSEC"));
}

// Gives each object of the record that has no handle the next free one, right after its
// "0 TYPE" pair (after "2 NAME" in a table's head, where R2000 files have it).
// A handle no record and no reference to the group objects uses yet.
quint64 Reader::FreshHandle(QSet<quint64>& seen) {
  while (seen.contains(file_.handleSeed)) ++file_.handleSeed;
  seen.insert(file_.handleSeed);
  return file_.handleSeed++;
}

void Reader::GiveHandles(DxfRecord& record, QSet<quint64>& seen) {
  for (int i = 0; i < record.Size(); ++i) {
    if (record.Code(i) != 0) continue;
    const QByteArrayView type = Trim(record.Value(i));
    const int handleCode = type == QByteArrayView("DIMSTYLE") ? 105 : 5;
    int at = -1;
    for (int j = i + 1; j < record.Size() && record.Code(j) != 0 && at < 0; ++j) {
      if (record.Code(j) == handleCode) at = j;
    }
    if (at >= 0) {
      const std::optional<quint64> handle = ParseHandle(record.Value(at));
      if (handle && !seen.contains(*handle)) {
        seen.insert(*handle);
        continue;
      }
      record.Replace(at, HandleText(FreshHandle(seen)));
      continue;
    }
    int where = i + 1;
    if (type == QByteArrayView("TABLE") && where < record.Size() && record.Code(where) == 2) ++where;
    record.Insert(where, handleCode, HandleText(FreshHandle(seen)));
  }
}

void Reader::GiveHandles() {
  QSet<quint64> seen;
  for (const QByteArray& handle : {file_.groupDictionaryHandle}) {
    if (const auto value = ParseHandle(handle)) seen.insert(*value);
  }
  for (const DxfGroup& group : file_.groups) {
    if (const auto value = ParseHandle(group.handle)) seen.insert(*value);
  }
  GiveHandles(file_.layerTableHead, seen);
  for (DxfRecord& entry : layerEntries_) GiveHandles(entry, seen);
  for (DxfTable& table : file_.tables) {
    GiveHandles(table.head, seen);
    for (DxfRecord& entry : table.entries) GiveHandles(entry, seen);
  }
  for (DxfRecord& block : file_.blocks) GiveHandles(block, seen);
  for (DxfRecord& entity : file_.entities) GiveHandles(entity, seen);
  for (DxfRecord& object : file_.objects) GiveHandles(object, seen);
}

DxfFile Reader::Read() {
  if (QByteArrayView(at_, end_ - at_).trimmed().isEmpty()) {
    throw DxfError(1, QStringLiteral("the file is empty"));
  }
  if (QByteArrayView(at_, end_ - at_).startsWith("AutoCAD Binary DXF")) {
    throw DxfError(1, QStringLiteral("this is a binary DXF file; only ASCII DXF files can be "
                                     "read, save the drawing as ASCII DXF"));
  }
  if (QByteArrayView(at_, end_ - at_).startsWith("\xEF\xBB\xBF")) at_ += 3;
  file_.version.clear();
  bool sawEof = false;
  while (Advance()) {
    if (pair_.code == 999) continue;
    if (IsZero("EOF")) {
      sawEof = true;
      break;
    }
    if (!IsZero("SECTION")) {
      throw DxfError(pair_.line, QStringLiteral("a SECTION was expected here, not \"%1\"")
                                     .arg(Shown(pair_.value)));
    }
    section_ = "SECTION";
    MustAdvance();
    if (pair_.code != 2) {
      throw DxfError(pair_.line, QStringLiteral("the section has no name"));
    }
    section_ = Trim(pair_.value).toByteArray();
    if (section_ == "HEADER") {
      ReadHeader();
    } else if (section_ == "CLASSES") {
      ReadClasses();
    } else if (section_ == "TABLES") {
      ReadTables();
    } else if (section_ == "BLOCKS") {
      ReadBlocks();
    } else if (section_ == "ENTITIES") {
      ReadEntities();
    } else if (section_ == "OBJECTS") {
      ReadObjects();
    } else {
      SkipSection();  // THUMBNAILIMAGE, ACDSDATA and the like are not kept
    }
  }
  if (!sawEof) {
    throw DxfError(qMax<qint64>(lines_, 1), QStringLiteral("the file ends without EOF"));
  }
  // A file without $ACADVER predates R13 (only R12 and older may leave the header out).
  if (file_.version.isEmpty()) file_.version = "AC1009";

  file_.handleSeed = qMax<quint64>(qMax(headerSeed_, maxHandle_ + 1), 1);
  GiveHandles();

  for (const DxfTable& table : file_.tables) {
    if (table.name != "BLOCK_RECORD") continue;
    for (const DxfRecord& entry : table.entries) {
      if (QString::fromLatin1(Trim(entry.ValueOf(2))).compare(QLatin1String("*Model_Space"),
                                                              Qt::CaseInsensitive) == 0) {
        file_.modelSpaceHandle = Trim(entry.ValueOf(5)).toByteArray().toUpper();
      }
    }
  }

  const DxfCodec codec = file_.Codec();
  file_.layers.reserve(layerEntries_.size());
  for (DxfRecord& entry : layerEntries_) {
    DxfLayer layer;
    layer.name = codec.Decode(entry.ValueOf(2));
    const int color = DxfWholeNumber(entry.NumberOf(62), 7);
    const int flags = DxfWholeNumber(entry.NumberOf(70), 0);
    layer.on = color >= 0;
    layer.color = color < 0 ? -color : color;
    layer.frozen = (flags & 1) != 0;
    layer.locked = (flags & 4) != 0;
    layer.handle = Trim(entry.ValueOf(5)).toByteArray().toUpper();
    layer.record = std::move(entry);
    file_.layers.push_back(std::move(layer));
  }
  return std::move(file_);
}

}  // namespace

DxfFile ReadDxf(QByteArrayView bytes) {
  return Reader(bytes).Read();
}

}  // namespace trellis::cadhost
