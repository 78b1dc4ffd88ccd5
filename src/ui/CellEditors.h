#pragma once

#include "tables/CellEditing.h"

#include <QObject>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace trellis {

class ApplicationContext;
class GridView;
class ValueListPopupWindow;

// The in-place editors Text1, cmb1, cmbL1 and cmbi1 over the grid's current cell, and the grid
// gestures that open them: double-click, a typed key, a click on a check or option cell.
class CellEditors : public QObject {
  Q_OBJECT
 public:
  struct Controls {
    QWidget* form;
    GridView* grid;
    QLineEdit* text1;
    QComboBox* cmb1;
    QComboBox* cmbL1;
    QComboBox* cmbi1;
    ValueListPopupWindow* popup;
  };
  CellEditors(ApplicationContext& app, Controls controls, QObject* parent = nullptr);

  // Opens the editor of Kind on the current cell (nothing when the rules refuse).
  void OpenCellEditor(int kind);
  // Replaces a wholly selected editor text with the typed character.
  static void ControlKeyPress(QLineEdit* editor, const QString& typed);
  // True for an in-place editor or a part of one (a combo's line edit).
  bool IsEditor(const QWidget* widget) const;
  // Hides the open editor without writing.
  void HideEditors();
  // A key typed on the grid starts an edit of the current cell, or is one of the cell's own
  // command keys (Space, F2, F4, Alt+Down); true when it was used.
  bool GridKey(QKeyEvent* event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool GridCommandKey(QKeyEvent* event);
  void ComboPicked(QComboBox* combo);
  bool EditorKey(QWidget* editor, QKeyEvent* event);
  void Close(QWidget* editor);
  void Place(QWidget* editor, int leftOffset, int topOffset, int widthLoss, int heightLoss);
  QString EditorText(QWidget* editor) const;
  CellEditAction ActionOf(QWidget* editor) const;
  QWidget* EditorOf(QObject* watched) const;

  ApplicationContext& app_;
  Controls c_;
  bool filling_ = false;
};

}  // namespace trellis
