#include "cad-host/dxf/DxfWriter.h"

#include <QHash>

#include <charconv>

namespace trellis::cadhost {

namespace {

QByteArrayView Trim(QByteArrayView text) {
  return text.trimmed();
}

bool SameName(QByteArrayView a, QByteArrayView b) {
  return Trim(a).compare(Trim(b), Qt::CaseInsensitive) == 0;
}

// The end (exclusive) of the object starting at From: the next code 0 pair.
int IndexIn(const DxfRecord& record, int code, int from, int to) {
  for (int i = from; i < to; ++i) {
    if (record.Code(i) == code) return i;
  }
  return -1;
}

// The owner (330) of an object: the first one outside "102 {...}" groups, before the subclass
// markers.
int OwnerIndex(const DxfRecord& record, int from, int to) {
  int depth = 0;
  for (int i = from + 1; i < to; ++i) {
    const int code = record.Code(i);
    if (code == 100) break;
    if (code == 102) {
      depth += Trim(record.Value(i)).startsWith('{') ? 1 : -1;
    } else if (code == 330 && depth <= 0) {
      return i;
    }
  }
  return -1;
}

const char* EntrySubclass(QByteArrayView table) {
  static const QHash<QByteArray, const char*> names = {
      {"VPORT", "AcDbViewportTableRecord"},  {"LTYPE", "AcDbLinetypeTableRecord"},
      {"LAYER", "AcDbLayerTableRecord"},     {"STYLE", "AcDbTextStyleTableRecord"},
      {"VIEW", "AcDbViewTableRecord"},       {"UCS", "AcDbUCSTableRecord"},
      {"APPID", "AcDbRegAppTableRecord"},    {"DIMSTYLE", "AcDbDimStyleTableRecord"},
      {"BLOCK_RECORD", "AcDbBlockTableRecord"}};
  return names.value(table.toByteArray(), nullptr);
}

using Pairs = std::vector<std::pair<int, QByteArray>>;

// The entries a new drawing has in each table, after their subclass markers.
std::vector<Pairs> StandardEntries(QByteArrayView table) {
  if (table == QByteArrayView("VPORT")) {
    return {{{2, "*Active"}, {70, "0"},    {10, "0.0"},  {20, "0.0"},  {11, "1.0"},  {21, "1.0"},
             {12, "0.0"},    {22, "0.0"},  {13, "0.0"},  {23, "0.0"},  {14, "0.5"},  {24, "0.5"},
             {15, "0.5"},    {25, "0.5"},  {16, "0.0"},  {26, "0.0"},  {36, "1.0"},  {17, "0.0"},
             {27, "0.0"},    {37, "0.0"},  {40, "1000.0"}, {41, "1.5"}, {42, "50.0"}, {43, "0.0"},
             {44, "0.0"},    {50, "0.0"},  {51, "0.0"},  {71, "0"},    {72, "1000"}, {73, "1"},
             {74, "3"},      {75, "0"},    {76, "0"},    {77, "0"},    {78, "0"}}};
  }
  if (table == QByteArrayView("LTYPE")) {
    std::vector<Pairs> entries;
    for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
      entries.push_back({{2, name},
                         {70, "0"},
                         {3, QByteArrayView(name) == QByteArrayView("Continuous") ? "Solid line" : ""},
                         {72, "65"},
                         {73, "0"},
                         {40, "0.0"}});
    }
    return entries;
  }
  if (table == QByteArrayView("STYLE")) {
    return {{{2, "Standard"}, {70, "0"}, {40, "0.0"}, {41, "1.0"}, {50, "0.0"}, {71, "0"},
             {42, "2.5"}, {3, "txt"}, {4, ""}}};
  }
  if (table == QByteArrayView("APPID")) return {{{2, "ACAD"}, {70, "0"}}};
  if (table == QByteArrayView("DIMSTYLE")) return {{{2, "Standard"}, {70, "0"}}};
  return {};
}

struct BlockPlan {
  const DxfRecord* block = nullptr;  // null: made here
  QByteArray name;
  QByteArray recordHandle;
  bool paperSpace = false;
};

class Writer {
 public:
  explicit Writer(const DxfFile& file) : file_(file), codec_(file.Codec()) {}
  QByteArray Write();

 private:
  void Put(int code, QByteArrayView value);
  void Put(const DxfRecord& record, int from = 0, int to = -1);
  QByteArray NewHandle() { return HandleText(next_++); }
  void FindHighestHandle();
  void PlanBlocks();
  void WriteTables();
  QByteArray WriteTableHead(const DxfRecord* head, QByteArrayView name, int count);
  void WriteEntry(const DxfRecord& entry, QByteArrayView table, const QByteArray& owner);
  void WriteMadeEntry(QByteArrayView table, const QByteArray& owner, const Pairs& data,
                      const QByteArray& handle = {});
  void WriteLayers();
  void WriteBlocks();
  void WriteBlock(const BlockPlan& plan);
  void WriteBlockEnds(const DxfRecord& block, int from, int to, const BlockPlan& plan);
  void WriteObjects();

  const DxfFile& file_;
  DxfCodec codec_;
  QByteArray out_;
  quint64 next_ = 1;
  std::vector<BlockPlan> blocks_;
};

void Writer::Put(int code, QByteArrayView value) {
  char buffer[16];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, code).ptr;
  const int width = int(end - buffer);
  if (width < 3) out_.append(3 - width, ' ');
  out_.append(buffer, width);
  out_.append("\r\n", 2);
  out_.append(value.data(), value.size());
  out_.append("\r\n", 2);
}

void Writer::Put(const DxfRecord& record, int from, int to) {
  if (to < 0) to = record.Size();
  for (int i = from; i < to; ++i) Put(record.Code(i), record.Value(i));
}

void Writer::FindHighestHandle() {
  quint64 highest = 0;
  auto see = [&highest](QByteArrayView text) {
    if (const auto handle = ParseHandle(text)) highest = qMax(highest, *handle);
  };
  auto scan = [&see](const DxfRecord& record) {
    for (int i = 0; i < record.Size(); ++i) {
      if (record.Code(i) == 5 || record.Code(i) == 105) see(record.Value(i));
    }
  };
  scan(file_.layerTableHead);
  for (const DxfTable& table : file_.tables) {
    scan(table.head);
    for (const DxfRecord& entry : table.entries) scan(entry);
  }
  for (const DxfLayer& layer : file_.layers) {
    scan(layer.record);
    see(layer.handle);
  }
  for (const DxfRecord& block : file_.blocks) scan(block);
  for (const DxfRecord& entity : file_.entities) scan(entity);
  for (const DxfRecord& object : file_.objects) scan(object);
  for (const DxfGroup& group : file_.groups) see(group.handle);
  see(file_.modelSpaceHandle);
  see(file_.groupDictionaryHandle);
  next_ = qMax<quint64>(qMax<quint64>(file_.handleSeed, highest + 1), 1);
}

const DxfTable* FindTable(const DxfFile& file, QByteArrayView name) {
  for (const DxfTable& table : file.tables) {
    if (table.name == name) return &table;
  }
  return nullptr;
}

// Each block gets the handle of its BLOCK_RECORD entry, made when the file has none (R12).
void Writer::PlanBlocks() {
  const bool convert = file_.version < "AC1015";
  for (const DxfRecord& block : file_.blocks) {
    BlockPlan plan;
    plan.block = &block;
    plan.name = block.ValueOf(2).toByteArray();
    if (convert && SameName(plan.name, "$MODEL_SPACE")) plan.name = "*Model_Space";
    if (convert && SameName(plan.name, "$PAPER_SPACE")) plan.name = "*Paper_Space";
    blocks_.push_back(plan);
  }
  auto has = [this](const char* name) {
    for (const BlockPlan& plan : blocks_) {
      if (SameName(plan.name, name)) return true;
    }
    return false;
  };
  for (const char* name : {"*Paper_Space", "*Model_Space"}) {
    if (!has(name)) {
      BlockPlan plan;
      plan.name = name;
      blocks_.insert(blocks_.begin(), plan);
    }
  }
  const DxfTable* records = FindTable(file_, "BLOCK_RECORD");
  std::vector<bool> taken(records ? records->entries.size() : 0);
  for (BlockPlan& plan : blocks_) {
    plan.paperSpace = SameName(plan.name, "*Paper_Space");
    for (size_t i = 0; i < taken.size() && plan.recordHandle.isEmpty(); ++i) {
      const DxfRecord& entry = records->entries[i];
      if (!taken[i] && SameName(entry.ValueOf(2), plan.name)) {
        taken[i] = true;
        plan.recordHandle = Trim(entry.ValueOf(5)).toByteArray();
      }
    }
    if (!plan.recordHandle.isEmpty()) continue;
    plan.recordHandle = SameName(plan.name, "*Model_Space") && !file_.modelSpaceHandle.isEmpty()
                            ? file_.modelSpaceHandle
                            : NewHandle();
  }
}

QByteArray Writer::WriteTableHead(const DxfRecord* head, QByteArrayView name, int count) {
  const QByteArray countText = QByteArray::number(count);
  if (head && !head->Empty() && head->IndexOf(100) >= 0) {
    DxfRecord patched = *head;
    patched.SetOrInsert(70, countText, patched.Size());
    Put(patched);
    return Trim(head->ValueOf(5)).toByteArray();
  }
  const QByteArray handle =
      head && !Trim(head->ValueOf(5)).isEmpty() ? Trim(head->ValueOf(5)).toByteArray() : NewHandle();
  Put(0, "TABLE");
  Put(2, name);
  Put(5, handle);
  Put(330, "0");
  Put(100, "AcDbSymbolTable");
  Put(70, countText);
  if (name == QByteArrayView("DIMSTYLE")) {
    Put(100, "AcDbDimStyleTable");
    Put(71, "0");
  }
  return handle;
}

// A table entry with its owner set to the table; an entry without subclass markers (R12) gets
// them, and a handle when it has none.
void Writer::WriteEntry(const DxfRecord& entry, QByteArrayView table, const QByteArray& owner) {
  const int handleCode = table == QByteArrayView("DIMSTYLE") ? 105 : 5;
  const int end = entry.PartEnd();
  if (IndexIn(entry, 100, 1, end) >= 0) {
    const int ownerIndex = OwnerIndex(entry, 0, end);
    const int firstMarker = IndexIn(entry, 100, 1, end);
    for (int i = 0; i < entry.Size(); ++i) {
      if (i == firstMarker && ownerIndex < 0) Put(330, owner);
      Put(entry.Code(i), i == ownerIndex ? QByteArrayView(owner) : entry.Value(i));
    }
    return;
  }
  Put(0, entry.Value(0));
  const int handleIndex = IndexIn(entry, handleCode, 1, end);
  Put(handleCode, handleIndex >= 0 ? entry.Value(handleIndex).toByteArray() : NewHandle());
  Put(330, owner);
  Put(100, "AcDbSymbolTableRecord");
  Put(100, EntrySubclass(table));
  for (int i = 1; i < entry.Size(); ++i) {
    if (i == handleIndex || entry.Code(i) == 330) continue;
    Put(entry.Code(i), entry.Value(i));
  }
}

void Writer::WriteMadeEntry(QByteArrayView table, const QByteArray& owner, const Pairs& data,
                            const QByteArray& handle) {
  Put(0, table);
  Put(table == QByteArrayView("DIMSTYLE") ? 105 : 5, handle.isEmpty() ? NewHandle() : handle);
  Put(330, owner);
  Put(100, "AcDbSymbolTableRecord");
  Put(100, EntrySubclass(table));
  for (const auto& [code, value] : data) Put(code, value);
}

void Writer::WriteTables() {
  static const char* const order[] = {"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW",
                                      "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD"};
  Put(0, "SECTION");
  Put(2, "TABLES");
  std::vector<QByteArrayView> written;
  for (const char* nameText : order) {
    const QByteArrayView name(nameText);
    if (name == QByteArrayView("LAYER")) {
      WriteLayers();
      continue;
    }
    const DxfTable* table = FindTable(file_, name);
    const std::vector<DxfRecord> none;
    const std::vector<DxfRecord>& entries = table ? table->entries : none;
    std::vector<Pairs> missing;
    for (Pairs& standard : StandardEntries(name)) {
      bool found = false;
      for (const DxfRecord& entry : entries) found = found || SameName(entry.ValueOf(2), standard[0].second);
      if (!found) missing.push_back(std::move(standard));
    }
    std::vector<const BlockPlan*> newRecords;
    if (name == QByteArrayView("BLOCK_RECORD")) {
      for (const BlockPlan& plan : blocks_) {
        bool found = false;
        for (const DxfRecord& entry : entries) found = found || Trim(entry.ValueOf(5)) == plan.recordHandle;
        if (!found) newRecords.push_back(&plan);
      }
    }
    const QByteArray handle =
        WriteTableHead(table ? &table->head : nullptr, name,
                       int(entries.size() + missing.size() + newRecords.size()));
    for (const Pairs& data : missing) WriteMadeEntry(name, handle, data);
    for (const DxfRecord& entry : entries) WriteEntry(entry, name, handle);
    for (const BlockPlan* plan : newRecords) {
      WriteMadeEntry(name, handle, {{2, plan->name}, {70, "0"}}, plan->recordHandle);
    }
    Put(0, "ENDTAB");
  }
  for (const DxfTable& table : file_.tables) {
    if (std::find(std::begin(order), std::end(order), table.name) != std::end(order)) continue;
    Put(table.head);
    for (const DxfRecord& entry : table.entries) Put(entry);
    Put(0, "ENDTAB");
  }
  Put(0, "ENDSEC");
}

void Writer::WriteLayers() {
  bool hasZero = false;
  for (const DxfLayer& layer : file_.layers) hasZero = hasZero || layer.name == QLatin1String("0");
  const QByteArray table =
      WriteTableHead(&file_.layerTableHead, "LAYER", int(file_.layers.size()) + (hasZero ? 0 : 1));
  if (!hasZero) {
    WriteMadeEntry("LAYER", table, {{2, "0"}, {70, "0"}, {62, "7"}, {6, "Continuous"}, {370, "-3"}});
  }
  for (const DxfLayer& layer : file_.layers) {
    const int color = layer.color > 0 ? layer.color : 7;
    const QByteArray colorText = QByteArray::number(layer.on ? color : -color);
    if (layer.record.Empty()) {
      const int flags = (layer.frozen ? 1 : 0) | (layer.locked ? 4 : 0);
      WriteMadeEntry("LAYER", table,
                     {{2, codec_.Encode(layer.name)}, {70, QByteArray::number(flags)},
                      {62, colorText}, {6, "Continuous"}, {370, "-3"}},
                     layer.handle);
      continue;
    }
    DxfRecord entry = layer.record;
    const int end = entry.PartEnd();
    const int kept = DxfWholeNumber(entry.NumberOf(70), 0) & ~5;
    const int flags = kept | (layer.frozen ? 1 : 0) | (layer.locked ? 4 : 0);
    // An unchanged name keeps its bytes: entities name their layer with the same ones.
    const int nameIndex = IndexIn(entry, 2, 1, end);
    if (nameIndex < 0) {
      entry.Insert(end, 2, codec_.Encode(layer.name));
    } else if (codec_.Decode(entry.Value(nameIndex)) != layer.name) {
      entry.Replace(nameIndex, codec_.Encode(layer.name));
    }
    entry.SetOrInsert(70, QByteArray::number(flags), entry.PartEnd());
    entry.SetOrInsert(62, colorText, entry.PartEnd());
    if (!layer.handle.isEmpty()) entry.SetOrInsert(5, layer.handle, 1);
    WriteEntry(entry, "LAYER", table);
  }
  Put(0, "ENDTAB");
}

void Writer::WriteBlock(const BlockPlan& plan) {
  const QByteArray& owner = plan.recordHandle;
  if (!plan.block) {
    const auto head = [&](QByteArrayView type, QByteArrayView subclass) {
      Put(0, type);
      Put(5, NewHandle());
      Put(330, owner);
      Put(100, "AcDbEntity");
      if (plan.paperSpace) Put(67, "1");
      Put(8, "0");
      Put(100, subclass);
    };
    head("BLOCK", "AcDbBlockBegin");
    Put(2, plan.name);
    Put(70, "0");
    Put(10, "0.0");
    Put(20, "0.0");
    Put(30, "0.0");
    Put(3, plan.name);
    Put(1, "");
    head("ENDBLK", "AcDbBlockEnd");
    return;
  }
  const DxfRecord& block = *plan.block;
  for (int from = 0; from < block.Size();) {
    const int to = block.PartEnd(from);
    const QByteArrayView type = Trim(block.Value(from));
    const bool begin = from == 0;
    const bool end = to == block.Size() && type == QByteArrayView("ENDBLK");
    if ((begin || end) && IndexIn(block, 100, from + 1, to) < 0) {
      WriteBlockEnds(block, from, to, plan);
    } else {
      Put(block, from, to);
    }
    from = to;
  }
}

// BLOCK and ENDBLK as R2000 has them, from an R12 file's.
void Writer::WriteBlockEnds(const DxfRecord& block, int from, int to, const BlockPlan& plan) {
  const bool begin = from == 0;
  const int handle = IndexIn(block, 5, from + 1, to);
  const int layer = IndexIn(block, 8, from + 1, to);
  const int space = IndexIn(block, 67, from + 1, to);
  Put(0, begin ? "BLOCK" : "ENDBLK");
  Put(5, handle >= 0 ? block.Value(handle).toByteArray() : NewHandle());
  Put(330, plan.recordHandle);
  Put(100, "AcDbEntity");
  if (space >= 0) Put(67, block.Value(space));
  Put(8, layer >= 0 ? block.Value(layer) : QByteArrayView("0"));
  Put(100, begin ? "AcDbBlockBegin" : "AcDbBlockEnd");
  if (!begin) return;
  for (int i = from + 1; i < to; ++i) {
    const int code = block.Code(i);
    if (i == handle || i == layer || i == space || code == 330) continue;
    Put(code, code == 2 || code == 3 ? QByteArrayView(plan.name) : block.Value(i));
  }
}

void Writer::WriteBlocks() {
  Put(0, "SECTION");
  Put(2, "BLOCKS");
  for (const BlockPlan& plan : blocks_) WriteBlock(plan);
  Put(0, "ENDSEC");
}

void Writer::WriteObjects() {
  Put(0, "SECTION");
  Put(2, "OBJECTS");
  const bool keptRoot =
      !file_.objects.empty() && Trim(file_.objects.front().Value(0)) == QByteArrayView("DICTIONARY");
  const QByteArray root = keptRoot ? Trim(file_.objects.front().ValueOf(5)).toByteArray() : NewHandle();
  const QByteArray dictionary =
      file_.groupDictionaryHandle.isEmpty() ? NewHandle() : file_.groupDictionaryHandle;
  if (keptRoot) {
    DxfRecord record = file_.objects.front();
    // The root names the group dictionary once, whatever entries for it the file had.
    int key = -1;
    for (int i = record.Size() - 1; i >= 0; --i) {
      if (record.Code(i) != 3 || Trim(record.Value(i)) != QByteArrayView("ACAD_GROUP")) continue;
      if (i + 1 < record.Size() && record.Code(i + 1) >= 350 && record.Code(i + 1) <= 361) {
        record.Erase(i + 1);
      }
      record.Erase(i);
      key = i;
    }
    if (key >= 0) {
      record.Insert(key, 3, "ACAD_GROUP");
      record.Insert(key + 1, 350, dictionary);
    } else {
      record.Append(3, "ACAD_GROUP");
      record.Append(350, dictionary);
    }
    Put(record);
  } else {
    Put(0, "DICTIONARY");
    Put(5, root);
    Put(330, "0");
    Put(100, "AcDbDictionary");
    Put(281, "1");
    Put(3, "ACAD_GROUP");
    Put(350, dictionary);
  }
  std::vector<QByteArray> handles;
  handles.reserve(file_.groups.size());
  for (const DxfGroup& group : file_.groups) {
    handles.push_back(group.handle.isEmpty() ? NewHandle() : group.handle);
  }
  Put(0, "DICTIONARY");
  Put(5, dictionary);
  Put(102, "{ACAD_REACTORS");
  Put(330, root);
  Put(102, "}");
  Put(330, root);
  Put(100, "AcDbDictionary");
  Put(281, "1");
  for (size_t g = 0; g < file_.groups.size(); ++g) {
    Put(3, codec_.Encode(file_.groups[g].name));
    Put(350, handles[g]);
  }
  for (size_t g = 0; g < file_.groups.size(); ++g) {
    const DxfGroup& group = file_.groups[g];
    Put(0, "GROUP");
    Put(5, handles[g]);
    Put(102, "{ACAD_REACTORS");
    Put(330, dictionary);
    Put(102, "}");
    Put(330, dictionary);
    Put(100, "AcDbGroup");
    Put(300, codec_.Encode(group.description));
    Put(70, "0");
    Put(71, group.selectable ? "1" : "0");
    for (const QByteArray& member : group.members) Put(340, member);
  }
  for (size_t i = keptRoot ? 1 : 0; i < file_.objects.size(); ++i) Put(file_.objects[i]);
  Put(0, "ENDSEC");
}

QByteArray Writer::Write() {
  FindHighestHandle();
  qsizetype size = 4096;
  for (const DxfRecord& entity : file_.entities) size += entity.Size() * 16;
  out_.reserve(size);

  PlanBlocks();
  Put(0, "SECTION");
  Put(2, "CLASSES");
  for (const DxfRecord& record : file_.classes) Put(record);
  Put(0, "ENDSEC");
  WriteTables();
  WriteBlocks();
  Put(0, "SECTION");
  Put(2, "ENTITIES");
  for (const DxfRecord& entity : file_.entities) Put(entity);
  Put(0, "ENDSEC");
  WriteObjects();
  Put(0, "EOF");

  // The header last: $HANDSEED must be above every handle made while writing the rest.
  QByteArray body = std::move(out_);
  out_ = QByteArray();
  out_.reserve(body.size() + 4096);
  const bool current = file_.version.size() == 6 && file_.version.startsWith("AC") &&
                       file_.version >= "AC1015";
  Put(0, "SECTION");
  Put(2, "HEADER");
  Put(9, "$ACADVER");
  Put(1, current ? file_.version : QByteArray("AC1015"));
  Put(9, "$DWGCODEPAGE");
  Put(3, file_.codePage.isEmpty() ? QByteArray("ANSI_1252") : file_.codePage);
  Put(9, "$HANDSEED");
  Put(5, HandleText(next_));
  for (const DxfRecord& variable : file_.header) {
    const QByteArrayView name = variable.Empty() ? QByteArrayView() : Trim(variable.Value(0));
    if (name == QByteArrayView("$ACADVER") || name == QByteArrayView("$DWGCODEPAGE") ||
        name == QByteArrayView("$HANDSEED")) {
      continue;
    }
    Put(variable);
  }
  Put(0, "ENDSEC");
  out_.append(body);
  return std::move(out_);
}

}  // namespace

QByteArray WriteDxf(const DxfFile& file) {
  return Writer(file).Write();
}

}  // namespace trellis::cadhost
