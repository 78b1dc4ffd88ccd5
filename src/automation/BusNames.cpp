#include "automation/BusNames.h"

#include "automation/AutomationError.h"

#include <QStringList>

namespace trellis {

namespace {

bool IsLowerAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

QString HexBytes(QChar c, const char* marker) {
  QString out;
  for (const char byte : QString(c).toUtf8()) {
    out += QLatin1String(marker) + QStringLiteral("%1").arg(uchar(byte), 2, 16, QLatin1Char('0'));
  }
  return out;
}

QString EscapeBusElement(const QString& element) {
  QString out;
  for (const QChar c : element) {
    const char latin = c.toLatin1();
    if (c.unicode() < 128 && (IsLowerAlnum(latin) || latin == '-')) {
      out += c;
    } else {
      out += HexBytes(c, "_x");
    }
  }
  if (out.isEmpty() || out.front().isDigit()) out.prepend(u'_');
  return out;
}

}  // namespace

QString BusNameOf(const QString& progId) {
  QString name = QStringLiteral("org.trellis.progid");
  for (const QString& element : progId.toLower().split(u'.'))
    name += u'.' + EscapeBusElement(element);
  if (name.size() > 255) throw AutomationError(progId, QStringLiteral("the ProgID is too long"));
  return name;
}

QString RootPathOf(const QString& progId) {
  QString path = QStringLiteral("/progid/");
  for (const QChar c : progId.toLower()) {
    if (c.unicode() < 128 && IsLowerAlnum(c.toLatin1())) {
      path += c;
    } else {
      path += HexBytes(c, "_");
    }
  }
  return path;
}

}  // namespace trellis
