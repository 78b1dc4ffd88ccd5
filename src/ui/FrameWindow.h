#pragma once

#include <QMainWindow>

namespace trellis {

// The window shown until the table window exists: what the program found and would load.
class FrameWindow : public QMainWindow {
  Q_OBJECT
 public:
  struct Facts {
    QString installationFolder;
    QString familyFolder;
    QString workingFolder;
    QString settingsFile;
    QStringList tableTitles;  // from Tables.ini, in tab order
  };

  explicit FrameWindow(const Facts& facts, QWidget* parent = nullptr);
};

}  // namespace trellis
