#include "cad-host/EntityRecords.h"

namespace trellis::cadhost {

namespace {

constexpr int kType = 0;
constexpr int kHandle = 5;
constexpr int kLayer = 8;
constexpr int kColor = 62;
constexpr int kOwner = 330;
constexpr int kSubclass = 100;
constexpr int kGroupStart = 102;
constexpr int kByLayer = 256;

// Where a pair of the common entity data goes when the record lacks it: after the entity
// subclass marker, or after the handle and owner of a file without markers.
int CommonDataPlace(const DxfRecord& record, int from = 0) {
  const int end = record.PartEnd(from);
  for (int i = from + 1; i < end; ++i) {
    if (record.Code(i) == kSubclass && record.Value(i) == "AcDbEntity") return i + 1;
  }
  int place = from + 1;
  while (place < end && (record.Code(place) == kHandle || record.Code(place) == kOwner ||
                         record.Code(place) == kGroupStart)) {
    // An application group runs from "{NAME" to "}".
    if (record.Code(place) == kGroupStart) {
      while (place < end && !(record.Code(place) == kGroupStart && record.Value(place) == "}"))
        ++place;
    }
    ++place;
  }
  return place;
}

// The starts of the record's parts: the entity itself, then its VERTEX, ATTRIB or SEQEND parts.
std::vector<int> PartStarts(const DxfRecord& record) {
  std::vector<int> starts;
  for (int i = 0; i < record.Size(); ++i) {
    if (record.Code(i) == kType) starts.push_back(i);
  }
  return starts;
}

void AddToCoordinate(DxfRecord& record, int index, int axisCode, double by) {
  if (record.Code(index) == axisCode) {
    record.Replace(index, DxfNumber(ParseDxfNumber(record.Value(index)).value_or(0) + by));
  } else if (by != 0) {
    record.Insert(index, axisCode, DxfNumber(by));
  }
}

// Moves every point with x code XCode between From and To (exclusive) by By.
void TranslatePoints(DxfRecord& record, int xCode, const Point3& by, int from, int to,
                     bool withZ = true) {
  for (int i = from; i < to && i < record.Size(); ++i) {
    if (record.Code(i) != xCode) continue;
    AddToCoordinate(record, i, xCode, by[0]);
    if (i + 1 < record.Size() && record.Code(i + 1) == xCode + 10) {
      AddToCoordinate(record, i + 1, xCode + 10, by[1]);
      if (withZ) {
        const int z = i + 2;
        if (z < record.Size() && record.Code(z) == xCode + 20) {
          AddToCoordinate(record, z, xCode + 20, by[2]);
        } else if (by[2] != 0) {
          record.Insert(z, xCode + 20, DxfNumber(by[2]));
          ++to;
        }
      }
    }
  }
}

void AppendCommon(DxfRecord& record, QByteArrayView type, QByteArrayView handle,
                  QByteArrayView owner, QByteArrayView layer, QByteArrayView subclass) {
  record.Append(kType, type);
  record.Append(kHandle, handle);
  record.Append(kOwner, owner);
  record.Append(kSubclass, "AcDbEntity");
  record.Append(kLayer, layer);
  record.Append(kSubclass, subclass);
}

void AppendPoint(DxfRecord& record, int xCode, const Point3& point) {
  record.Append(xCode, DxfNumber(point[0]));
  record.Append(xCode + 10, DxfNumber(point[1]));
  record.Append(xCode + 20, DxfNumber(point[2]));
}

}  // namespace

EntityKind KindOfRecord(const DxfRecord& record) {
  if (record.Empty()) return EntityKind::Other;
  const QByteArrayView type = record.Value(0).trimmed();
  if (type == "LINE") return EntityKind::Line;
  if (type == "POINT") return EntityKind::Point;
  if (type == "LWPOLYLINE" || type == "POLYLINE") return EntityKind::Polyline;
  if (type == "CIRCLE") return EntityKind::Circle;
  if (type == "ARC") return EntityKind::Arc;
  if (type == "TEXT") return EntityKind::Text;
  if (type == "MTEXT") return EntityKind::MText;
  return EntityKind::Other;
}

DxfRecord MakeLineRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                         const Point3& start, const Point3& end) {
  DxfRecord record;
  AppendCommon(record, "LINE", handle, owner, layer, "AcDbLine");
  AppendPoint(record, 10, start);
  AppendPoint(record, 11, end);
  return record;
}

DxfRecord MakePointRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                          const Point3& position) {
  DxfRecord record;
  AppendCommon(record, "POINT", handle, owner, layer, "AcDbPoint");
  AppendPoint(record, 10, position);
  return record;
}

DxfRecord MakeTextRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                         QByteArrayView text, const Point3& insertion, double height) {
  DxfRecord record;
  AppendCommon(record, "TEXT", handle, owner, layer, "AcDbText");
  AppendPoint(record, 10, insertion);
  record.Append(40, DxfNumber(height));
  record.Append(1, text);
  // The alignment data has a subclass of its own, empty for left-aligned text.
  record.Append(kSubclass, "AcDbText");
  return record;
}

DxfRecord MakeCircleRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                           const Point3& center, double radius) {
  DxfRecord record;
  AppendCommon(record, "CIRCLE", handle, owner, layer, "AcDbCircle");
  AppendPoint(record, 10, center);
  record.Append(40, DxfNumber(radius));
  return record;
}

DxfRecord MakePolylineRecord(const std::function<QByteArray()>& nextHandle, QByteArrayView owner,
                             QByteArrayView layer, const std::vector<Point3>& points,
                             bool closed) {
  DxfRecord record;
  const bool flat = std::all_of(points.begin(), points.end(),
                                [&](const Point3& p) { return p[2] == points.front()[2]; });
  const QByteArray handle = nextHandle();
  if (flat) {
    AppendCommon(record, "LWPOLYLINE", handle, owner, layer, "AcDbPolyline");
    record.Append(90, QByteArray::number(qsizetype(points.size())));
    record.Append(70, closed ? "1" : "0");
    if (!points.empty() && points.front()[2] != 0) record.Append(38, DxfNumber(points.front()[2]));
    for (const Point3& point : points) {
      record.Append(10, DxfNumber(point[0]));
      record.Append(20, DxfNumber(point[1]));
    }
    return record;
  }
  AppendCommon(record, "POLYLINE", handle, owner, layer, "AcDb3dPolyline");
  record.Append(66, "1");
  AppendPoint(record, 10, {0, 0, 0});
  record.Append(70, closed ? "9" : "8");
  for (const Point3& point : points) {
    AppendCommon(record, "VERTEX", nextHandle(), handle, layer, "AcDbVertex");
    record.Append(kSubclass, "AcDb3dPolylineVertex");
    AppendPoint(record, 10, point);
    record.Append(70, "32");
  }
  record.Append(kType, "SEQEND");
  record.Append(kHandle, nextHandle());
  record.Append(kOwner, handle);
  record.Append(kSubclass, "AcDbEntity");
  record.Append(kLayer, layer);
  return record;
}

void SetRecordLayer(DxfRecord& record, QByteArrayView layer) {
  // The parts of a polyline or a block reference share its layer.
  for (const int start : PartStarts(record)) {
    const int end = record.PartEnd(start);
    const int index = record.IndexOf(kLayer, 0, start);
    if (index >= 0 && index < end) {
      record.Replace(index, layer);
    } else {
      record.Insert(CommonDataPlace(record, start), kLayer, layer);
    }
  }
}

void SetRecordColor(DxfRecord& record, int color) {
  const int end = record.PartEnd();
  const int index = record.IndexOf(kColor);
  const bool present = index >= 0 && index < end;
  if (color == kByLayer) {
    if (present) record.Erase(index);
    return;
  }
  const QByteArray text = QByteArray::number(color);
  if (present) {
    record.Replace(index, text);
    return;
  }
  const int layer = record.IndexOf(kLayer);
  record.Insert(layer >= 0 && layer < end ? layer + 1 : CommonDataPlace(record), kColor, text);
}

void TranslateRecord(DxfRecord& record, EntityKind kind, const Point3& by) {
  const int mainEnd = record.PartEnd();
  switch (kind) {
    case EntityKind::Line:
      TranslatePoints(record, 10, by, 0, mainEnd);
      TranslatePoints(record, 11, by, 0, record.Size());
      return;
    case EntityKind::Point:
    case EntityKind::MText:
      TranslatePoints(record, 10, by, 0, mainEnd);
      return;
    case EntityKind::Circle:
    case EntityKind::Arc:
    case EntityKind::Text: {
      // Planar objects keep their points in their own coordinate system.
      const Point3 local = ObjectAxes(ExtrusionOf(record)).ToLocal(by);
      TranslatePoints(record, 10, local, 0, mainEnd);
      if (kind == EntityKind::Text) TranslatePoints(record, 11, local, 0, record.PartEnd());
      return;
    }
    case EntityKind::Polyline: {
      const Point3 local = ObjectAxes(ExtrusionOf(record)).ToLocal(by);
      if (record.Value(0).trimmed() == "LWPOLYLINE") {
        TranslatePoints(record, 10, local, 0, mainEnd, false);
        const int elevation = record.IndexOf(38);
        if (elevation >= 0) {
          AddToCoordinate(record, elevation, 38, local[2]);
        } else if (local[2] != 0) {
          record.Insert(record.IndexOf(10) < 0 ? mainEnd : record.IndexOf(10), 38,
                        DxfNumber(local[2]));
        }
        return;
      }
      const int flags = DxfWholeNumber(record.NumberOf(70), 0);
      const bool threeD = (flags & (8 | 16 | 64)) != 0;
      if (threeD) {
        // The vertices carry world coordinates; the polyline's own point is a dummy.
        TranslatePoints(record, 10, by, record.PartEnd(), record.Size());
        return;
      }
      // A 2D polyline: its own point holds the height, the vertices the plane coordinates.
      const int z = record.IndexOf(30);
      if (z >= 0 && z < mainEnd) {
        AddToCoordinate(record, z, 30, local[2]);
      }
      TranslatePoints(record, 10, {local[0], local[1], 0}, record.PartEnd(), record.Size(),
                      false);
      return;
    }
    case EntityKind::Other:
      return;
  }
}

DxfRecord CopyRecord(const DxfRecord& record, const std::function<QByteArray()>& nextHandle) {
  DxfRecord copy;
  QByteArray mainHandle;
  QByteArray oldMainHandle;
  bool inReactors = false;
  bool mainOwnerSeen = false;
  for (int i = 0; i < record.Size(); ++i) {
    const int code = record.Code(i);
    const QByteArrayView value = record.Value(i);
    // Reactors tie the original to its groups; the copy belongs to none.
    if (code == kGroupStart) {
      inReactors = value != "}" && value.startsWith("{");
      if (!inReactors) continue;
      if (value != "{ACAD_REACTORS") {
        inReactors = false;
        copy.Append(code, value);
      }
      continue;
    }
    if (inReactors) continue;
    if (code == kHandle) {
      const QByteArray handle = nextHandle();
      if (mainHandle.isEmpty()) {
        mainHandle = handle;
        oldMainHandle = value.toByteArray();
      }
      copy.Append(code, handle);
      continue;
    }
    if (code == kOwner && mainOwnerSeen && value == oldMainHandle) {
      copy.Append(code, mainHandle);
      continue;
    }
    if (code == kOwner) mainOwnerSeen = true;
    copy.Append(code, value);
  }
  return copy;
}

Point3 RecordPoint(const DxfRecord& record, int xCode, int nth) {
  const int index = record.IndexOf(xCode, nth);
  if (index < 0) return {0, 0, 0};
  Point3 point{ParseDxfNumber(record.Value(index)).value_or(0), 0, 0};
  for (int axis = 1; axis <= 2; ++axis) {
    const int i = index + axis;
    if (i < record.Size() && record.Code(i) == xCode + 10 * axis) {
      point[size_t(axis)] = ParseDxfNumber(record.Value(i)).value_or(0);
    }
  }
  return point;
}

void SetRecordPoint(DxfRecord& record, int xCode, const Point3& point) {
  int index = record.IndexOf(xCode);
  if (index < 0) {
    index = record.PartEnd();
    record.Insert(index, xCode, DxfNumber(point[0]));
  } else {
    record.Replace(index, DxfNumber(point[0]));
  }
  for (int axis = 1; axis <= 2; ++axis) {
    const int i = index + axis;
    const int code = xCode + 10 * axis;
    if (i < record.Size() && record.Code(i) == code) {
      record.Replace(i, DxfNumber(point[size_t(axis)]));
    } else {
      record.Insert(i, code, DxfNumber(point[size_t(axis)]));
    }
  }
}

Point3 ExtrusionOf(const DxfRecord& record) {
  return {record.NumberOf(210).value_or(0), record.NumberOf(220).value_or(0),
          record.NumberOf(230).value_or(1)};
}

void SetRecordNormal(DxfRecord& record, EntityKind kind, const Point3& normal) {
  const bool second = kind == EntityKind::Text && record.IndexOf(11) >= 0 && record.IndexOf(11) < record.PartEnd();
  const Point3 at = WorldPoint(record, kind, 10);
  const Point3 alignedAt = second ? WorldPoint(record, kind, 11) : Point3{};
  if (record.IndexOf(210) < 0 || record.IndexOf(210) >= record.PartEnd()) {
    // The extrusion belongs to the first subclass: a TEXT's second AcDbText part and an ARC's
    // AcDbArc part come after it.
    const QByteArray next = kind == EntityKind::Text ? QByteArrayLiteral("AcDbText") : QByteArrayLiteral("AcDbArc");
    int where = record.PartEnd();
    for (int i = 0, seen = 0; i < record.PartEnd(); ++i) {
      if (record.Code(i) != 100 || record.Value(i) != next) continue;
      if (kind == EntityKind::Arc || ++seen == 2) {
        where = i;
        break;
      }
    }
    record.Insert(where, 210, DxfNumber(normal[0]));
    record.Insert(where + 1, 220, DxfNumber(normal[1]));
    record.Insert(where + 2, 230, DxfNumber(normal[2]));
  } else {
    SetRecordPoint(record, 210, normal);
  }
  const ObjectAxes axes(normal);
  SetRecordPoint(record, 10, axes.ToLocal(at));
  if (second) SetRecordPoint(record, 11, axes.ToLocal(alignedAt));
}

Point3 WorldPoint(const DxfRecord& record, EntityKind kind, int xCode) {
  const Point3 point = RecordPoint(record, xCode);
  if (kind != EntityKind::Circle && kind != EntityKind::Arc && kind != EntityKind::Text) {
    return point;
  }
  return ObjectAxes(ExtrusionOf(record)).ToWorld(point);
}

}  // namespace trellis::cadhost
