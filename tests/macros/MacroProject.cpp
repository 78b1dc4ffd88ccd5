#include "MacroProject.h"

#include "automation/AutomationError.h"

#include <gtest/gtest.h>

namespace trellis::test {

void RecordingWindow::Note(const QString& call) {
  calls << call;
  if (onCall) onCall(call);
}

QVariant RecordingWindow::Get(const QString& name) {
  Note(QStringLiteral("Get ") + name);
  return {};
}

void RecordingWindow::Set(const QString& name, const QVariant& value) {
  Note((name == QLatin1String("StatusText") ? QStringLiteral("Status ") : name + u' ') + value.toString());
}

QVariant RecordingWindow::Invoke(const QString& member, QVariantList& args) {
  QStringList texts;
  for (const QVariant& arg : args) texts << arg.toString();
  Note(texts.isEmpty() ? member : member + u' ' + texts.join(u'|'));
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

void MacroProject::DrawTwoBayFrame() {
  WriteTable(QStringLiteral("Elements"), {{"1", "Колонны", "", "", "", "", "", "", "", "", ""},
                                          {"2", "Ригель", "", "", "", "", "", "", "", "", "3"}});
  WriteTable(QStringLiteral("Points"), {{"1", "Опоры"}, {"2", "Груз"}});
  DrawLines(Group("E", 1), {{{0, 0, 0}, {0, 0, 3}}, {{6, 0, 0}, {6, 0, 3}}, {{12, 0, 0}, {12, 0, 3}}});
  DrawLines(Group("E", 2), {{{0, 0, 3}, {12, 0, 3}}});
  DrawPoints(Group("P", 1), {{0, 0, 0}, {6, 0, 0}, {12, 0, 0}});
  DrawPoints(Group("P", 2), {{3, 0, 3}});
}

void MacroProject::Run(Dispatch& macro, const QString& method) {
  QVariantList args{program, working.Path(), QStringLiteral("N"), ObjectValue(window),
                    ObjectValue(document.Object())};
  macro.Invoke(method, args);
}

}  // namespace trellis::test
