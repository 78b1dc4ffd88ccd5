#include "ui/FrameWindow.h"

#include <QLabel>
#include <QStatusBar>
#include <QTextBrowser>

namespace trellis {

FrameWindow::FrameWindow(const Facts& facts, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmMain1"));
  setWindowTitle(QStringLiteral("Trellis"));
  resize(900, 560);

  QString tables;
  for (const QString& title : facts.tableTitles) tables += QStringLiteral("<li>%1</li>").arg(title.toHtmlEscaped());
  if (tables.isEmpty()) tables = QStringLiteral("<li><i>Tables.ini не найден или пуст</i></li>");

  auto* view = new QTextBrowser(this);
  view->setHtml(QStringLiteral(
      "<h2>Trellis</h2>"
      "<table cellspacing='6'>"
      "<tr><td><b>Папка установки</b></td><td>%1</td></tr>"
      "<tr><td><b>Папка данных</b></td><td>%2</td></tr>"
      "<tr><td><b>Рабочая папка</b></td><td>%3</td></tr>"
      "<tr><td><b>Настройки</b></td><td>%4</td></tr>"
      "</table><h3>Таблицы</h3><ul>%5</ul>")
                    .arg(facts.installationFolder.toHtmlEscaped(), facts.familyFolder.toHtmlEscaped(),
                         facts.workingFolder.toHtmlEscaped(), facts.settingsFile.toHtmlEscaped(), tables));
  setCentralWidget(view);
  statusBar()->addWidget(new QLabel(QStringLiteral("Готово"), this));
}

}  // namespace trellis
