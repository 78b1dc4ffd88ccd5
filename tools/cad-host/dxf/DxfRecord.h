#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

namespace trellis::cadhost {

// One object of a DXF file as its group code / value pairs, in file order, values exactly as
// read (without the line end). Kept whole so what the host does not understand is written back
// unchanged. The values share one buffer: a drawing holds hundreds of thousands of these.
class DxfRecord {
 public:
  int Size() const { return int(items_.size()); }
  bool Empty() const { return items_.empty(); }
  int Code(int index) const { return items_[size_t(index)].code; }
  QByteArrayView Value(int index) const;

  void Append(int code, QByteArrayView value);
  void Insert(int index, int code, QByteArrayView value);
  void Replace(int index, QByteArrayView value);
  void Erase(int index);

  // The index of the Nth pair with Code (0-based N), from From on; -1 when there is none.
  int IndexOf(int code, int nth = 0, int from = 0) const;
  // The value of the first pair with Code; empty when there is none.
  QByteArrayView ValueOf(int code) const;
  std::optional<double> NumberOf(int code, int nth = 0) const;
  // Where the part that starts at Start (its "0 TYPE" pair) ends: the next "0" pair, or the
  // record's end. A POLYLINE's own part ends at its first VERTEX.
  int PartEnd(int start = 0) const;
  // Sets the first pair with Code, or inserts one at Where when there is none.
  void SetOrInsert(int code, QByteArrayView value, int where);

 private:
  struct Item {
    int code;
    int offset;
    int length;
  };
  std::vector<Item> items_;
  QByteArray text_;
};

// A whole number of a DXF value (flags, colours, counts); Otherwise for none or one out of range.
int DxfWholeNumber(std::optional<double> value, int otherwise);

// DXF numbers as the file holds them: shortest text that reads back to the same double.
QByteArray DxfNumber(double value);
std::optional<double> ParseDxfNumber(QByteArrayView text);

}  // namespace trellis::cadhost
