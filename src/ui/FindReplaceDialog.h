#pragma once

#include "tables/TableSearch.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace trellis {

class ApplicationContext;

// Find (Ctrl+F) and replace (Ctrl+H) in the shown table, beside the window: the cells found
// become the current cell, replacements are steps to undo.
class FindReplaceDialog : public QDialog {
  Q_OBJECT
 public:
  FindReplaceDialog(ApplicationContext& app, QWidget* parent);

  // Shows the dialog for finding, or for finding and replacing.
  void Open(bool replace);

  void FindNext();
  void ReplaceOne();
  void ReplaceEverywhere();

 private:
  SearchRequest Request() const;
  void Tell(const QString& text);

  ApplicationContext& app_;
  QLineEdit* find_;
  QLineEdit* replacement_;
  QLabel* replacementLabel_;
  QCheckBox* matchCase_;
  QCheckBox* wholeCell_;
  QPushButton* replaceOne_;
  QPushButton* replaceAll_;
  QLabel* result_;
};

}  // namespace trellis
