#include "macros/calc/ResultsSummary.h"

#include "macros/CellValues.h"

#include <cmath>

namespace trellis::macros::calc {

namespace {

struct Largest {
  double value = 0;
  QString where = QStringLiteral("—");
};

void Consider(Largest& largest, double value, const QString& where) {
  if (std::abs(value) > std::abs(largest.value)) largest = {value, where};
}

QString Row(const QString& what, const QString& unit, const Largest& largest, int decimals) {
  const QString value = NumberCell(largest.value, decimals);
  // A value that rounds to nothing is nowhere in particular.
  const QString where = value == QLatin1String("0") ? QStringLiteral("—") : largest.where;
  return QStringLiteral("<tr><td>%1</td><td class=n>%2</td><td>%3</td><td>%4</td></tr>\n")
      .arg(what, value, unit, where.toHtmlEscaped());
}

}  // namespace

QString SummaryHtml(const QString& project, const Model& model,
                    const std::vector<CaseResults>& results) {
  QString html = QStringLiteral(
                     "<!DOCTYPE html>\n<html lang=ru><head><meta charset=utf-8>\n"
                     "<title>Результаты расчета: %1</title>\n<style>body{font-family:sans-serif;"
                     "margin:2em}table{border-collapse:collapse;margin-bottom:1.5em}"
                     "td,th{border:1px solid #bbb;padding:3px 8px}td.n{text-align:right}"
                     "th{background:#eee}</style></head><body>\n"
                     "<h1>Результаты расчета: %1</h1>\n<p>Узлов: %2, элементов: %3. Линейный "
                     "статический расчет CalculiX. Наибольшие по модулю значения.</p>\n")
                     .arg(project.toHtmlEscaped())
                     .arg(model.nodes.size())
                     .arg(model.bars.size());
  for (const CaseResults& result : results) {
    Largest moved, turned, n, torque, my, mz, qy, qz;
    for (size_t i = 0; i < result.nodes.size(); ++i) {
      const auto& node = result.nodes[i];
      const QString where = QStringLiteral("узел %1").arg(model.reportedNodes[i]);
      Consider(moved, std::hypot(node[0], node[1], node[2]) * 1000, where);
      Consider(turned, std::hypot(node[3], node[4], node[5]), where);
    }
    for (size_t b = 0; b < result.bars.size(); ++b) {
      const Bar& bar = model.bars[b];
      for (size_t k = 0; k < kStations.size(); ++k) {
        const QString where = QStringLiteral("элемент %1, %2 м")
                                  .arg(bar.number)
                                  .arg(NumberCell(kStations[k] * bar.length, 3));
        const BarForces& f = result.bars[b][k];
        Consider(n, f.n, where);
        Consider(torque, f.torque, where);
        Consider(my, f.my, where);
        Consider(mz, f.mz, where);
        Consider(qy, f.qy, where);
        Consider(qz, f.qz, where);
      }
    }
    const QString title = result.label.startsWith(QStringLiteral("С"))
                              ? QStringLiteral("Сочетание %1").arg(result.label.mid(1))
                              : QStringLiteral("Загружение %1").arg(result.label);
    html += QStringLiteral("<h2>%1%2</h2>\n<table><tr><th>Величина</th><th>Значение</th>"
                           "<th>Ед.</th><th>Где</th></tr>\n")
                .arg(title, result.name.isEmpty() ? QString()
                                                  : QStringLiteral(": ") + result.name.toHtmlEscaped());
    html += Row(QStringLiteral("Перемещение"), QStringLiteral("мм"), moved, 3);
    html += Row(QStringLiteral("Угол поворота"), QStringLiteral("рад"), turned, 6);
    html += Row(QStringLiteral("N"), QStringLiteral("кН"), n, 3);
    html += Row(QStringLiteral("Mк"), QStringLiteral("кН·м"), torque, 3);
    html += Row(QStringLiteral("My"), QStringLiteral("кН·м"), my, 3);
    html += Row(QStringLiteral("Mz"), QStringLiteral("кН·м"), mz, 3);
    html += Row(QStringLiteral("Qy"), QStringLiteral("кН"), qy, 3);
    html += Row(QStringLiteral("Qz"), QStringLiteral("кН"), qz, 3);
    html += QStringLiteral("</table>\n");
  }
  html += QStringLiteral("</body></html>\n");
  return html;
}

}  // namespace trellis::macros::calc
