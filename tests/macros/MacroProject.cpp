#include "MacroProject.h"

#include "automation/AutomationError.h"

#include <gtest/gtest.h>

namespace trellis::test {

QVariant RecordingWindow::Get(const QString& name) {
  calls << QStringLiteral("Get ") + name;
  return {};
}

void RecordingWindow::Set(const QString& name, const QVariant& value) {
  calls << (name == QLatin1String("StatusText") ? QStringLiteral("Status ") : name + u' ') + value.toString();
}

QVariant RecordingWindow::Invoke(const QString& member, QVariantList& args) {
  QStringList texts;
  for (const QVariant& arg : args) texts << arg.toString();
  calls << (texts.isEmpty() ? member : member + u' ' + texts.join(u'|'));
  return {};
}

QStringList RecordingWindow::Errors() const {
  QStringList errors;
  for (const QString& call : calls) {
    if (call.startsWith(QLatin1String("AddError "))) errors << call.mid(9);
  }
  return errors;
}

MacroProject::MacroProject() = default;

void MacroProject::WriteTable(const QString& key, const std::vector<QStringList>& rows) {
  macros::TableRows table(tables.ColumnCountOf(key));
  for (const QStringList& row : rows) table.AddRow(row);
  EXPECT_FALSE(bool(tables.Write({{key, table}})));
}

CadGroup MacroProject::Group(const QString& letter, int number) const {
  const QString name = macros::RowGroupName(letter, QString::number(number));
  try {
    return document.Groups().Item(name);
  } catch (const AutomationError&) {
    return document.Groups().Add(name);
  }
}

void MacroProject::DrawLines(const CadGroup& group,
                             const std::vector<std::pair<CadPoint, CadPoint>>& lines) const {
  std::vector<CadEntity> drawn;
  for (const auto& [start, end] : lines) drawn.push_back(document.ModelSpace().AddLine(start, end));
  group.AppendItems(drawn);
}

void MacroProject::DrawPoints(const CadGroup& group, const std::vector<CadPoint>& points) const {
  std::vector<CadEntity> drawn;
  for (const CadPoint& point : points) drawn.push_back(document.ModelSpace().AddPoint(point));
  group.AppendItems(drawn);
}

void MacroProject::Run(Dispatch& macro, const QString& method) {
  QVariantList args{program, working.Path(), QStringLiteral("N"), ObjectValue(window),
                    ObjectValue(document.Object())};
  macro.Invoke(method, args);
}

}  // namespace trellis::test
