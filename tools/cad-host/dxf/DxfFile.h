#pragma once

#include "cad-host/dxf/DxfRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

namespace trellis::cadhost {

// How the file's texts are encoded: UTF-8 from AutoCAD 2007 (AC1021) on, before that the code
// page the header names ($DWGCODEPAGE), with "\U+XXXX" for characters outside it.
class DxfCodec {
 public:
  // Version is $ACADVER ("AC1015"), CodePage is $DWGCODEPAGE ("ANSI_1251"); both may be empty.
  DxfCodec(const QByteArray& version, const QByteArray& codePage);
  QString Decode(QByteArrayView bytes) const;
  QByteArray Encode(const QString& text) const;

 private:
  enum class Kind { Utf8, Windows1251, Latin1 };
  Kind kind_;
};

// A layer of the LAYER table. Record is the entry as read (empty for a layer made here); the
// writer patches name, colour and flags into it so its other codes (line type, line weight,
// plot flag) survive.
struct DxfLayer {
  QString name;
  int color = 7;  // 1..255; a negative colour in the file means the layer is off
  bool on = true;
  bool frozen = false;
  bool locked = false;
  QByteArray handle;
  DxfRecord record;
};

// A named group of the ACAD_GROUP dictionary; members are entity handles.
struct DxfGroup {
  QString name;
  QByteArray handle;
  QString description;
  bool selectable = true;
  std::vector<QByteArray> members;
};

// A symbol table other than LAYER: its head ("0 TABLE" ... up to the first entry) and entries.
struct DxfTable {
  QByteArray name;  // "VPORT", "LTYPE", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD"
  DxfRecord head;
  std::vector<DxfRecord> entries;
};

// A whole drawing as the file holds it. Everything the host does not model is kept as records
// and written back unchanged. Every record the reader returns has a handle (one is made for a
// file without them, such as R12), so groups and owners can refer to it.
struct DxfFile {
  QByteArray version = "AC1015";  // $ACADVER
  QByteArray codePage = "ANSI_1251";  // $DWGCODEPAGE
  // Header variables other than $ACADVER, $DWGCODEPAGE and $HANDSEED, each "9 $NAME" and its
  // values.
  std::vector<DxfRecord> header;
  std::vector<DxfRecord> classes;
  std::vector<DxfTable> tables;
  // The LAYER table's head as read ("0 TABLE" "2 LAYER" ...); empty: the writer makes one.
  DxfRecord layerTableHead;
  std::vector<DxfLayer> layers;
  // Each block from "0 BLOCK" to its "0 ENDBLK" pair inclusive, the model and paper space
  // blocks among them when the file has them.
  std::vector<DxfRecord> blocks;
  // Each entity of model space (and paper space: code 67 = 1 stays in the record); a POLYLINE
  // carries its VERTEX and SEQEND records in the same record, as does an INSERT its ATTRIBs.
  std::vector<DxfRecord> entities;
  // The OBJECTS section except the group dictionary and the GROUP objects.
  std::vector<DxfRecord> objects;
  std::vector<DxfGroup> groups;
  // Handles the drawing's own records refer to; empty when the file has none (then the writer
  // makes them).
  QByteArray modelSpaceHandle;  // BLOCK_RECORD *Model_Space: the owner (330) of entities
  QByteArray groupDictionaryHandle;  // the ACAD_GROUP dictionary: the owner of GROUPs
  // The lowest handle not yet used ($HANDSEED or above every handle seen).
  quint64 handleSeed = 0x100;

  DxfCodec Codec() const { return DxfCodec(version, codePage); }
};

// A file that cannot be read: the 1-based line where reading stopped and why.
class DxfError : public std::runtime_error {
 public:
  DxfError(qint64 line, const QString& reason);
  qint64 Line() const { return line_; }
  const QString& Reason() const { return reason_; }
  // "line N: reason", as shown to the user.
  QString Text() const;

 private:
  qint64 line_;
  QString reason_;
};

QByteArray HandleText(quint64 handle);
// A handle as a file writes it (hexadecimal, blanks around allowed); none for anything else.
// Fifteen digits at most, so one above the largest cannot overflow.
std::optional<quint64> ParseHandle(QByteArrayView text);

}  // namespace trellis::cadhost
