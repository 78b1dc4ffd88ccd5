// The DXF reader and writer, checked against python3-ezdxf: files it makes are read with the
// right layers, groups and records; files we write open in it unchanged and pass its audit.
#include "cad-host/dxf/DxfReader.h"
#include "cad-host/dxf/DxfWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace trellis::cadhost {
namespace {

// Makes a drawing of every kind the host meets; prints what ezdxf holds of it.
constexpr char kMake[] = R"(
import ezdxf, json, sys
version, path = sys.argv[1], sys.argv[2]
doc = ezdxf.new(version)
if version != "R2018":
    doc.header["$DWGCODEPAGE"] = "ANSI_1251"
doc.layers.add("Walls", color=1)
doc.layers.add("Off", color=3).off()
doc.layers.add("Frozen", color=5).freeze()
doc.layers.add("Locked").lock()
doc.layers.add("Стены", color=2)
msp = doc.modelspace()
a = msp.add_line((0, 0), (1, 2), dxfattribs={"layer": "Walls"})
b = msp.add_point((3, 4))
c = msp.add_circle((1, 1), 2, dxfattribs={"layer": "Стены"})
msp.add_arc((0, 0), 1, 10, 80)
msp.add_text("Текст", dxfattribs={"layer": "Walls"})
msp.add_polyline3d([(0, 0, 0), (1, 1, 1), (2, 0, 3)])
blk = doc.blocks.new("B1")
blk.add_line((0, 0), (1, 1))
blk.add_attdef("TAG", (0, 0))
msp.add_blockref("B1", (5, 5)).add_attrib("TAG", "v", (0, 0))
msp.add_3dface([(0, 0, 0), (1, 0, 0), (1, 1, 0)])
if version != "R12":
    msp.add_lwpolyline([(0, 0), (1, 0), (1, 1)])
    msp.add_mtext("Многострочный")
    msp.add_ellipse((0, 0), (2, 0), 0.5)
    msp.add_spline([(0, 0), (1, 1), (2, 0), (3, 1)])
    g = doc.groups.new("Группа 1")
    g.set_data([a, c])
    g.dxf.description = "Описание"
    doc.groups.new("G2", selectable=False).set_data([b])
doc.saveas(path, encoding="utf8" if version == "R2018" else "cp1251")
)";

// Prints layers, groups, entities and audit findings of a file as JSON; with a second file,
// also the entities whose type or attributes differ between the two.
constexpr char kDescribe[] = R"(
import ezdxf, json, sys
def entities(doc):
    out = {}
    for e in doc.modelspace():
        attribs = e.dxfattribs()
        attribs.pop("owner", None)
        out[e.dxf.handle] = [e.dxftype(), repr(sorted(attribs.items()))]
    return out
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
result = {
    "version": doc.dxfversion,
    "layers": [[l.dxf.name, abs(l.dxf.color), l.is_on(), l.is_frozen(), l.is_locked()] for l in doc.layers],
    "groups": {name: [sorted(e.dxf.handle for e in g), g.dxf.description, g.dxf.selectable] for name, g in doc.groups},
    "entities": entities(doc),
    "modelSpace": doc.modelspace().block_record_handle,
    "groupDictionary": doc.rootdict["ACAD_GROUP"].dxf.handle,
    "audit": [e.message for e in auditor.errors] + [f.message for f in auditor.fixes],
}
if len(sys.argv) > 2:
    other = entities(ezdxf.readfile(sys.argv[2]))
    mine = result["entities"]
    result["changed"] = [h for h in set(mine) | set(other) if mine.get(h) != other.get(h)]
print(json.dumps(result))
)";

class DxfFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const QString& candidate : {QStringLiteral("python3"), QStringLiteral("/usr/bin/python3")}) {
      QProcess probe;
      probe.start(candidate, {"-c", "import ezdxf"});
      if (probe.waitForFinished() && probe.exitStatus() == QProcess::NormalExit &&
          probe.exitCode() == 0) {
        python_ = candidate;
        break;
      }
    }
    if (python_.isEmpty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  QByteArray Python(const char* script, const QStringList& arguments) {
    const QString file = Path(QStringLiteral("script.py"));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(script);
    out.close();
    QProcess process;
    process.start(python_, QStringList{file} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
  }

  QJsonObject Describe(const QString& path, const QString& other = {}) {
    QStringList arguments{path};
    if (!other.isEmpty()) arguments << other;
    return QJsonDocument::fromJson(Python(kDescribe, arguments)).object();
  }

  static QByteArray Load(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static void Save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  static QString Type(const DxfRecord& record) { return QString::fromLatin1(record.Value(0)); }

  QString python_;
  QTemporaryDir dir_;
};

TEST_F(DxfFileTest, ReadsEzdxfFilesAndWritesThemBackUnchanged) {
  for (const QString version : {"R12", "R2000", "R2018"}) {
    SCOPED_TRACE(version.toStdString());
    const QString source = Path(version + ".dxf");
    Python(kMake, {version, source});
    const QJsonObject expected = Describe(source);
    const DxfFile file = ReadDxf(Load(source));

    // Layers: names decoded, colour/off/frozen/locked from the entry.
    const QJsonArray layers = expected["layers"].toArray();
    ASSERT_EQ(file.layers.size(), size_t(layers.size()));
    for (size_t i = 0; i < file.layers.size(); ++i) {
      const QJsonArray want = layers[int(i)].toArray();
      const DxfLayer& layer = file.layers[i];
      EXPECT_EQ(layer.name, want[0].toString());
      EXPECT_EQ(layer.color, want[1].toInt()) << layer.name.toStdString();
      EXPECT_EQ(layer.on, want[2].toBool()) << layer.name.toStdString();
      EXPECT_EQ(layer.frozen, want[3].toBool()) << layer.name.toStdString();
      EXPECT_EQ(layer.locked, want[4].toBool()) << layer.name.toStdString();
      EXPECT_FALSE(layer.handle.isEmpty());
    }

    // Entities: one record each in file order, compound ones with their parts.
    const QJsonObject entities = expected["entities"].toObject();
    ASSERT_EQ(file.entities.size(), size_t(entities.size()));
    std::set<QByteArray> handles;
    for (const DxfRecord& entity : file.entities) {
      const QByteArray handle = entity.ValueOf(5).toByteArray();
      handles.insert(handle);
      EXPECT_EQ(Type(entity), entities[QString::fromLatin1(handle)].toArray()[0].toString());
      if (Type(entity) == "POLYLINE") {
        EXPECT_EQ(entity.Value(entity.IndexOf(0, 1)), "VERTEX");
        EXPECT_EQ(entity.Value(entity.IndexOf(0, 4)), "SEQEND");
      }
      if (Type(entity) == "INSERT") {
        EXPECT_EQ(entity.Value(entity.IndexOf(0, 1)), "ATTRIB");
        EXPECT_EQ(entity.Value(entity.IndexOf(0, 2)), "SEQEND");
      }
    }
    EXPECT_EQ(handles.size(), file.entities.size());
    EXPECT_EQ(file.blocks.size(), 3u);

    // Groups: named by the dictionary, members in file order.
    const QJsonObject groups = expected["groups"].toObject();
    ASSERT_EQ(file.groups.size(), size_t(groups.size()));
    for (const DxfGroup& group : file.groups) {
      const QJsonArray want = groups[group.name].toArray();
      ASSERT_FALSE(want.isEmpty()) << group.name.toStdString();
      std::set<QString> members;
      for (const QByteArray& member : group.members) members.insert(QString::fromLatin1(member));
      std::set<QString> wantMembers;
      for (const QJsonValue member : want[0].toArray()) wantMembers.insert(member.toString());
      EXPECT_EQ(members, wantMembers);
      EXPECT_EQ(group.description, want[1].toString());
      EXPECT_EQ(group.selectable, want[2].toInt() != 0);
    }
    if (version != "R12") {
      EXPECT_EQ(QString::fromLatin1(file.modelSpaceHandle), expected["modelSpace"].toString());
      EXPECT_EQ(QString::fromLatin1(file.groupDictionaryHandle), expected["groupDictionary"].toString());
    }

    // Written and read by ezdxf: the same layers, groups and entities, and a clean audit.
    const QByteArray written = WriteDxf(file);
    const QString copy = Path(version + "-copy.dxf");
    Save(copy, written);
    const QJsonObject actual = Describe(copy, source);
    EXPECT_EQ(actual["version"].toString(), version == "R2018" ? "AC1032" : "AC1015");
    EXPECT_EQ(actual["audit"].toArray(), QJsonArray()) << QJsonDocument(actual).toJson().toStdString();
    EXPECT_EQ(actual["changed"].toArray(), QJsonArray());
    EXPECT_EQ(actual["layers"], expected["layers"]);
    EXPECT_EQ(actual["groups"], expected["groups"]);

    // Read back and written again: the same bytes.
    EXPECT_EQ(WriteDxf(ReadDxf(written)), written);
  }
}

TEST_F(DxfFileTest, WritesADrawingMadeByTheHost) {
  DxfFile file;
  file.layers.push_back({QStringLiteral("Колонны"), 4, false, true, false, {}, {}});
  file.layers.push_back({QStringLiteral("Σ beams"), 30, true, false, true, {}, {}});
  DxfRecord line;
  for (const auto& [code, value] : std::vector<std::pair<int, QByteArray>>{
           {0, "LINE"}, {5, "1F0"}, {330, ""}, {100, "AcDbEntity"}, {8, "Колонны"},
           {100, "AcDbLine"}, {10, "1.5"}, {20, "2"}, {30, "0"}, {11, "4"}, {21, "5"}, {31, "0"}}) {
    line.Append(code, code == 8 ? file.Codec().Encode(QString::fromUtf8(value)) : value);
  }
  file.entities.push_back(line);
  file.groups.push_back({QStringLiteral("Рама №1"), {}, QStringLiteral("ось Б"), false, {"1F0"}});
  const QByteArray written = WriteDxf(file);
  const QString path = Path("made.dxf");
  Save(path, written);

  const QJsonObject seen = Describe(path);
  EXPECT_EQ(seen["audit"].toArray(), QJsonArray()) << QJsonDocument(seen).toJson().toStdString();
  EXPECT_EQ(seen["groups"].toObject()["Рама №1"].toArray(),
            (QJsonArray{QJsonArray{"1F0"}, "ось Б", 0}));
  const QJsonArray layers = seen["layers"].toArray();
  EXPECT_EQ(layers[0].toArray()[0], "0");  // every drawing has it
  EXPECT_EQ(layers[1].toArray(), (QJsonArray{"Колонны", 4, false, true, false}));

  // Σ is not in Windows-1251: written as \U+03A3, read back as itself.
  const DxfFile back = ReadDxf(written);
  ASSERT_EQ(back.layers.size(), 3u);
  EXPECT_EQ(back.layers[2].name, QStringLiteral("Σ beams"));
  EXPECT_TRUE(back.layers[2].locked);
  EXPECT_EQ(back.groups.at(0).members, std::vector<QByteArray>{"1F0"});
  EXPECT_GT(back.handleSeed, 0x1F0u);
}

TEST_F(DxfFileTest, ReadsAnR12FileWithOnlyEntities) {
  // LF line ends, codes with leading spaces, no header and no handles.
  const QByteArray text =
      "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\nA\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n"
      "  0\nPOLYLINE\n  8\nA\n 66\n1\n 70\n8\n  0\nVERTEX\n  8\nA\n 10\n1\n 20\n2\n 30\n3\n"
      "  0\nSEQEND\n  8\nA\n  0\nENDSEC\n  0\nEOF\n";
  const DxfFile file = ReadDxf(text);
  ASSERT_EQ(file.entities.size(), 2u);
  EXPECT_EQ(file.entities[0].Code(1), 5);
  EXPECT_EQ(file.entities[1].IndexOf(5, 2), file.entities[1].IndexOf(0, 2) + 1);  // SEQEND's
  const QString path = Path("entities.dxf");
  Save(path, WriteDxf(file));
  const QJsonObject seen = Describe(path);
  EXPECT_EQ(seen["audit"].toArray(), QJsonArray());
  EXPECT_EQ(seen["entities"].toObject().size(), 2);
}

TEST(DxfErrors, NameTheLineWhereReadingStopped) {
  const QByteArray good =
      "0\r\nSECTION\r\n2\r\nTABLES\r\n0\r\nTABLE\r\n2\r\nLAYER\r\n0\r\nLAYER\r\n2\r\nA\r\n"
      "62\r\n1\r\n0\r\nENDTAB\r\n0\r\nENDSEC\r\n0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n"
      "8\r\nA\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
  EXPECT_NO_THROW(ReadDxf(good));
  struct Case {
    QByteArray text;
    qint64 line;
    const char* reason;
  };
  QByteArray badColor = good;
  badColor.replace("62\r\n1\r\n", "62\r\nred\r\n");
  QByteArray badCode = good;
  badCode.replace("8\r\nA", "8x\r\nA");
  const QByteArray group =
      "0\r\nSECTION\r\n2\r\nOBJECTS\r\n0\r\nGROUP\r\n5\r\n1A\r\n71\r\nyes\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
  const std::vector<Case> cases = {
      {"", 1, "empty"},
      {"\r\n \r\n", 1, "empty"},
      {"AutoCAD Binary DXF\r\n\x1a", 1, "binary"},
      {badCode, 25, "group code"},
      {badColor, 13, "not a number"},
      {group, 9, "not a number"},
      {good.left(good.indexOf("0\r\nENDSEC\r\n0\r\nEOF")), 26, "ENTITIES section"},
      {good.left(good.indexOf("0\r\nEOF")), 28, "without EOF"},
      {good.left(good.size() - 5), 29, "without its value"},
  };
  for (const Case& c : cases) {
    try {
      ReadDxf(c.text);
      ADD_FAILURE() << "read: " << c.text.toStdString();
    } catch (const DxfError& error) {
      EXPECT_EQ(error.Line(), c.line) << error.what();
      EXPECT_TRUE(error.Reason().contains(QLatin1String(c.reason))) << error.what();
    }
  }
}

}  // namespace
}  // namespace trellis::cadhost
