#include "ui/CellEditors.h"

#include "tables/ColumnSpec.h"
#include "tables/GridFilling.h"
#include "tables/TableHooks.h"
#include "tables/ValueLists.h"
#include "ui/ApplicationContext.h"
#include "ui/GridView.h"
#include "ui/Twips.h"
#include "ui/ValueListPopupWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>

namespace trellis {

CellEditors::CellEditors(ApplicationContext& app, Controls controls, QObject* parent)
    : QObject(parent), app_(app), c_(controls) {
  for (QComboBox* combo : {c_.cmb1, c_.cmbL1, c_.cmbi1}) {
    combo->installEventFilter(this);
    connect(combo, &QComboBox::activated, this, [this, combo] { ComboPicked(combo); });
  }
  c_.text1->installEventFilter(this);
  c_.cmb1->lineEdit()->installEventFilter(this);
  connect(c_.grid, &QAbstractItemView::doubleClicked, this, [this] {
    const ColumnSpec* column = app_.window.fg1.Column(app_.window.fg1.Col());
    if (column) OpenCellEditor(int(column->editorKind));
  });
  // Any click on the grid drops an open edit and counts as a change; a check or option cell
  // changes only on a left click released where it was pressed, so a right click or a drag
  // that starts on one leaves it alone.
  connect(c_.grid, &QAbstractItemView::pressed, this, [this] {
    app_.project.projectSaved = false;
    HideEditors();
  });
  connect(c_.grid, &GridView::CellClicked, this, [this] {
    TableContext ctx = app_.Tables();
    ToggleMarkCell(ctx);
  });
  // Leaving a cell drops what was typed into the text box and the free combo.
  connect(c_.grid, &GridView::UserSelectionChanged, this, [this] {
    c_.text1->clear();
    c_.cmb1->setEditText(QString());
  });
}

QWidget* CellEditors::EditorOf(QObject* watched) const {
  if (watched == c_.cmb1->lineEdit()) return c_.cmb1;
  for (QWidget* editor : std::initializer_list<QWidget*>{c_.text1, c_.cmb1, c_.cmbL1, c_.cmbi1}) {
    if (watched == editor) return editor;
  }
  return nullptr;
}

bool CellEditors::IsEditor(const QWidget* widget) const {
  for (const QWidget* editor : std::initializer_list<const QWidget*>{c_.text1, c_.cmb1, c_.cmbL1, c_.cmbi1}) {
    if (widget == editor || editor->isAncestorOf(widget)) return true;
  }
  return false;
}

CellEditAction CellEditors::ActionOf(QWidget* editor) const {
  if (editor == c_.text1) return CellEditAction::TextBox;
  if (editor == c_.cmb1) return CellEditAction::EditableCombo;
  if (editor == c_.cmbL1) return CellEditAction::DropDownList;
  return CellEditAction::ImageCombo;
}

QString CellEditors::EditorText(QWidget* editor) const {
  if (editor == c_.text1) return c_.text1->text();
  return static_cast<QComboBox*>(editor)->currentText();
}

void CellEditors::Place(QWidget* editor, int leftOffset, int topOffset, int widthLoss, int heightLoss) {
  const qreal dpi = c_.form->logicalDpiX();
  const QRect cell = c_.grid->CellRect(app_.window.fg1.Row(), app_.window.fg1.Col());
  const QRect grid = c_.grid->geometry();
  const auto tw = [dpi](int px) { return PixelsToTwips(px, dpi); };
  const auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
  const int left = tw(grid.left()) + tw(cell.left()) + leftOffset;
  const int top = tw(grid.top()) + tw(cell.top()) + topOffset;
  const int height = heightLoss >= 0 ? px(tw(cell.height()) - heightLoss) : editor->sizeHint().height();
  editor->setGeometry(px(left), px(top), px(tw(cell.width()) - widthLoss), height);
}

void CellEditors::OpenCellEditor(int kind) {
  TableContext ctx = app_.Tables();
  Grid& grid = app_.window.fg1;
  const CellEditAction action = ChooseCellEditor(ctx, kind);
  const ColumnSpec* column = grid.Column(grid.Col());
  const QString cell = grid.Data().Cell(grid.Row(), grid.Col());
  filling_ = true;
  switch (action) {
    case CellEditAction::None:
      break;
    case CellEditAction::RunClick:
      if (column) app_.seams->RunActionString(column->click);
      break;
    case CellEditAction::TextBox:
      Place(c_.text1, 45, 15, 45, 15);
      c_.text1->setText(cell);
      c_.text1->show();
      c_.text1->selectAll();
      c_.text1->raise();
      c_.text1->setFocus();
      break;
    case CellEditAction::EditableCombo:
      c_.cmb1->clear();
      c_.cmb1->addItems(FillComboFromList(column->list));
      Place(c_.cmb1, 0, -15, 0, -1);
      c_.cmb1->setEditText(cell);
      c_.cmb1->show();
      c_.cmb1->lineEdit()->selectAll();
      c_.cmb1->raise();
      c_.cmb1->setFocus();
      break;
    case CellEditAction::DropDownList: {
      c_.cmbL1->clear();
      c_.cmbL1->addItems(FillComboFromList(column->list));
      c_.cmbL1->show();
      Place(c_.cmbL1, 0, -15, 0, -1);
      c_.cmbL1->setCurrentIndex(c_.cmbL1->findText(cell, Qt::MatchExactly));
      c_.cmbL1->raise();
      c_.cmbL1->setFocus();
      break;
    }
    case CellEditAction::ImageCombo: {
      const ImageComboContent content = BuildImageCombo(ctx);
      c_.cmbi1->clear();
      c_.cmbi1->setEditable(column->editable);
      for (const ImageComboItem& item : content.items) {
        c_.cmbi1->addItem(item.picture.isEmpty() ? QIcon() : QIcon(item.picture), item.text);
      }
      Place(c_.cmbi1, 0, -15, 0, -1);
      c_.cmbi1->setCurrentIndex(content.selected);
      if (content.clearText && c_.cmbi1->isEditable()) c_.cmbi1->setEditText(QString());
      if (c_.cmbi1->isEditable()) c_.cmbi1->lineEdit()->installEventFilter(this);
      c_.cmbi1->show();
      c_.cmbi1->raise();
      c_.cmbi1->setFocus();
      break;
    }
    case CellEditAction::ValueListPopup:
      c_.popup->Open();
      break;
  }
  filling_ = false;
}

void CellEditors::ControlKeyPress(QLineEdit* editor, const QString& typed) {
  // An empty text counts as wholly selected: Qt reports no selection start (-1) for it, and
  // the key that opened the editor on an empty cell must not be lost.
  const bool wholeTextSelected =
      editor->text().isEmpty() ||
      (editor->selectionStart() == 0 && editor->selectedText().size() == editor->text().size());
  if (wholeTextSelected) {
    editor->setText(typed);
    editor->setCursorPosition(int(editor->text().size()));
  }
}

void CellEditors::HideEditors() {
  for (QWidget* editor : std::initializer_list<QWidget*>{c_.text1, c_.cmb1, c_.cmbL1, c_.cmbi1}) {
    editor->hide();
  }
}

void CellEditors::Close(QWidget* editor) {
  app_.hooks.FocusGrid();
  editor->hide();
}

bool CellEditors::GridCommandKey(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
  Grid& grid = app_.window.fg1;
  const ColumnSpec* column = grid.Column(grid.Col());
  if (!column) return false;
  const bool mark = column->editorKind == EditorKind::CheckBox || column->editorKind == EditorKind::Option;
  // Space ticks a check or option cell; F2 edits the cell's text as it is; F4 and Alt+Down
  // open a list.
  if (mods == Qt::NoModifier && event->key() == Qt::Key_Space && mark) {
    TableContext ctx = app_.Tables();
    ToggleMarkCell(ctx);
    return true;
  }
  const bool openList = (mods == Qt::NoModifier && event->key() == Qt::Key_F4) ||
                        (mods == Qt::AltModifier && event->key() == Qt::Key_Down);
  if (!(mods == Qt::NoModifier && event->key() == Qt::Key_F2) && !openList) return false;
  if (mark) return true;
  OpenCellEditor(int(column->editorKind));
  if (c_.text1->isVisible()) c_.text1->deselect();
  if (c_.cmb1->isVisible()) c_.cmb1->lineEdit()->deselect();
  if (openList) {
    for (QComboBox* combo : {c_.cmb1, c_.cmbL1, c_.cmbi1}) {
      if (combo->isVisible()) combo->showPopup();
    }
  }
  return true;
}

bool CellEditors::GridKey(QKeyEvent* event) {
  if (GridCommandKey(event)) return true;
  // Only a key that types a printable character opens the editor: navigation and function keys
  // keep their meaning in the grid, and a typed character is what the editor receives. Shift
  // is allowed (unlike Ctrl and Alt, which make shortcuts), because capitals and many signs
  // need it: a material typed as "B25" must arrive whole. The keypad counts as typing.
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  if (mods != Qt::NoModifier || event->text().isEmpty() || !event->text().front().isPrint()) {
    return false;
  }
  Grid& grid = app_.window.fg1;
  const ColumnSpec* column = grid.Column(grid.Col());
  if (!column) return false;
  OpenCellEditor(int(column->editorKind));
  QCoreApplication::processEvents();
  // The first character reaches the text box as typed, without the full stop rule.
  if (column->editable && column->editorKind == EditorKind::TextBox && c_.text1->isVisible()) {
    ControlKeyPress(c_.text1, event->text());
  }
  return true;
}

void CellEditors::ComboPicked(QComboBox* combo) {
  if (filling_ || !combo->isVisible()) return;
  TableContext ctx = app_.Tables();
  WriteEditorText(ctx, ActionOf(combo), combo->currentText());
  if (combo == c_.cmbi1) fg1SelectedBmp(app_.window.fg1);
  Close(combo);
}

bool CellEditors::EditorKey(QWidget* editor, QKeyEvent* event) {
  TableContext ctx = app_.Tables();
  const CellEditAction action = ActionOf(editor);
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      EditorEnter(ctx, action, EditorText(editor));
      Close(editor);
      return true;
    case Qt::Key_Tab:
      if (EditorTab(ctx, action, EditorText(editor))) Close(editor);
      return true;
    case Qt::Key_Pause:  // Ctrl+Break
      if (!(event->modifiers() & Qt::ControlModifier)) return false;
      [[fallthrough]];
    case Qt::Key_Escape:  // the cell keeps what it had: nothing is written before Enter or Tab
    case Qt::Key_Cancel:
      editor->hide();
      if (editor == c_.text1) c_.text1->clear(); else static_cast<QComboBox*>(editor)->setEditText(QString());
      app_.hooks.FocusGrid();
      return true;
    case Qt::Key_Delete: {
      // The selection goes first; the key then deletes as it always does.
      QLineEdit* line = editor == c_.text1 ? c_.text1 : static_cast<QComboBox*>(editor)->lineEdit();
      if (line && line->hasSelectedText()) line->del();
      return false;
    }
    default:
      break;
  }
  if (event->text() == QLatin1String(".")) {
    QLineEdit* line = editor == c_.text1 ? c_.text1 : static_cast<QComboBox*>(editor)->lineEdit();
    if (line) {
      line->insert(QString(TypedCharacter(u'.')));
      return true;
    }
  }
  return false;
}

bool CellEditors::eventFilter(QObject* watched, QEvent* event) {
  QWidget* editor = EditorOf(watched);
  if (!editor && c_.cmbi1->isEditable() && watched == c_.cmbi1->lineEdit()) editor = c_.cmbi1;
  if (!editor) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) return EditorKey(editor, static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::FocusOut) {
    // A combo's own drop-down list takes the focus for a moment; that is not leaving it.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && !filling_ && !editor->isAncestorOf(QApplication::focusWidget())) {
      editor->hide();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace trellis
