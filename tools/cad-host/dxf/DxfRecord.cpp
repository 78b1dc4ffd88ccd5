#include "cad-host/dxf/DxfRecord.h"

#include <charconv>

namespace trellis::cadhost {

QByteArrayView DxfRecord::Value(int index) const {
  const Item& item = items_[size_t(index)];
  return QByteArrayView(text_.constData() + item.offset, item.length);
}

void DxfRecord::Append(int code, QByteArrayView value) {
  items_.push_back({code, int(text_.size()), int(value.size())});
  text_.append(value);
}

void DxfRecord::Insert(int index, int code, QByteArrayView value) {
  items_.insert(items_.begin() + index, {code, int(text_.size()), int(value.size())});
  text_.append(value);
}

void DxfRecord::Replace(int index, QByteArrayView value) {
  Item& item = items_[size_t(index)];
  if (value.size() <= item.length) {
    // Shorter values reuse their place; a longer one goes to the end of the buffer.
    std::copy(value.begin(), value.end(), text_.begin() + item.offset);
    item.length = int(value.size());
    return;
  }
  item.offset = int(text_.size());
  item.length = int(value.size());
  text_.append(value);
}

void DxfRecord::Erase(int index) {
  items_.erase(items_.begin() + index);
}

int DxfRecord::IndexOf(int code, int nth, int from) const {
  for (int i = from; i < Size(); ++i) {
    if (items_[size_t(i)].code == code && nth-- == 0) return i;
  }
  return -1;
}

int DxfRecord::PartEnd(int start) const {
  const int next = IndexOf(0, 0, start + 1);
  return next < 0 ? Size() : next;
}

QByteArrayView DxfRecord::ValueOf(int code) const {
  const int index = IndexOf(code);
  return index < 0 ? QByteArrayView() : Value(index);
}

std::optional<double> DxfRecord::NumberOf(int code, int nth) const {
  const int index = IndexOf(code, nth);
  if (index < 0) return std::nullopt;
  return ParseDxfNumber(Value(index));
}

void DxfRecord::SetOrInsert(int code, QByteArrayView value, int where) {
  const int index = IndexOf(code);
  if (index >= 0) {
    Replace(index, value);
  } else {
    Insert(std::min(where, Size()), code, value);
  }
}

int DxfWholeNumber(std::optional<double> value, int otherwise) {
  if (!value || !(*value > -1e9 && *value < 1e9)) return otherwise;
  return int(*value);
}

QByteArray DxfNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  QByteArray text(buffer, int(result.ptr - buffer));
  // Other readers expect a decimal point in a real value.
  if (!text.contains('.') && !text.contains('e') && !text.contains('n') && !text.contains('i')) {
    text += ".0";
  }
  return text;
}

std::optional<double> ParseDxfNumber(QByteArrayView text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin != end && (*begin == ' ' || *begin == '\t')) ++begin;
  while (end != begin && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r')) --end;
  if (begin != end && *begin == '+') ++begin;
  double value = 0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

}  // namespace trellis::cadhost
