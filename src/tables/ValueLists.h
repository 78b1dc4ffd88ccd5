#pragma once

#include <QString>
#include <QStringList>

namespace trellis {

// Item texts of an image-list column carry six spaces after the List item.
inline const QString kImageItemSuffix = QStringLiteral("      ");

// The text of a set check box or option cell: the middle dot, byte B7 in the file.
inline const QString kMarkedCell = QString(QChar(0x00B7));

// True when value and list are not empty and value is one of list's "|" items.
bool IsInList(const QString& value, const QString& list);

// The picture file of an image-list cell: the ListBmp name of the first non-empty List item
// that the value begins with, followed by six spaces; looked up in bmp/Materials, then in
// bmp/Materials/<folder>. Empty when there is none.
QString GetListPicture(const QString& value, const QString& folder, const QString& list,
                       const QString& listBmp, const QString& installationFolder);

// The items a combo box offers for a List value: item 0 even when empty, later items only
// when not empty.
QStringList FillComboFromList(const QString& list);

}  // namespace trellis
