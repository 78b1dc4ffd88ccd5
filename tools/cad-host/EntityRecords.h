#pragma once

#include "cad-host/Geometry.h"
#include "cad-host/dxf/DxfRecord.h"

#include <QByteArray>

#include <functional>
#include <vector>

namespace trellis::cadhost {

// The kinds of objects the host draws; every other kind is kept and written back, not drawn.
enum class EntityKind { Line, Point, Polyline, Circle, Arc, Text, MText, Other };

EntityKind KindOfRecord(const DxfRecord& record);

// Records of new objects, as an R2000 file holds them. Owner is the model space's handle.
DxfRecord MakeLineRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                         const Point3& start, const Point3& end);
DxfRecord MakePointRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                          const Point3& position);
// A left-aligned text of the standard style; Text is already in the file's encoding.
DxfRecord MakeTextRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                         QByteArrayView text, const Point3& insertion, double height);
DxfRecord MakeCircleRecord(QByteArrayView handle, QByteArrayView owner, QByteArrayView layer,
                           const Point3& center, double radius);
// A polyline in one plane of constant height becomes an LWPOLYLINE, any other a 3D POLYLINE
// with its vertices (which take handles of their own from NextHandle).
DxfRecord MakePolylineRecord(const std::function<QByteArray()>& nextHandle, QByteArrayView owner,
                             QByteArrayView layer, const std::vector<Point3>& points, bool closed);

// The changes the host makes to an object. Each edits only the pairs it concerns.
void SetRecordLayer(DxfRecord& record, QByteArrayView layer);
void SetRecordColor(DxfRecord& record, int color);  // 256 (by layer) removes the colour
void TranslateRecord(DxfRecord& record, EntityKind kind, const Point3& by);
// A copy with handles of its own, no longer a member of any group.
DxfRecord CopyRecord(const DxfRecord& record, const std::function<QByteArray()>& nextHandle);

// The point whose x has code XCode (10, 11, ...), the Nth of them; a missing y or z is 0.
Point3 RecordPoint(const DxfRecord& record, int xCode, int nth = 0);
void SetRecordPoint(DxfRecord& record, int xCode, const Point3& point);
// The extrusion direction of a planar entity, (0, 0, 1) when the record gives none.
Point3 ExtrusionOf(const DxfRecord& record);
// Puts a planar entity (text, circle, arc) into the plane of Normal, its points staying where
// they are in the world.
void SetRecordNormal(DxfRecord& record, EntityKind kind, const Point3& normal);
// The same point in world coordinates: circles, arcs and texts keep theirs in their own plane.
Point3 WorldPoint(const DxfRecord& record, EntityKind kind, int xCode);

}  // namespace trellis::cadhost
