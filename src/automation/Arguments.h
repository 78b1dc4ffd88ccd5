#pragma once

#include "automation/Dispatch.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace trellis {

// Checked conversions of the values a late-bound call receives. A value of the wrong kind
// throws AutomationError naming the member, so the caller learns which call it got wrong.

// Throws unless Args has at least Min and at most Max elements.
void RequireArguments(const QVariantList& args, qsizetype min, qsizetype max,
                      const QString& member);

// Whole numbers: any numeric value or numeric text; fractions round half to even.
qint64 ToInteger(const QVariant& value, const QString& member);
double ToNumber(const QVariant& value, const QString& member);
bool ToBoolean(const QVariant& value, const QString& member);
QString ToText(const QVariant& value, const QString& member);
QVariantList ToList(const QVariant& value, const QString& member);
// Throws for an unset reference as well as for a value that is no object.
DispatchRef ToObject(const QVariant& value, const QString& member);

}  // namespace trellis
