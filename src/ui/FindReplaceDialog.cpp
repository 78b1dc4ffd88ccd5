#include "ui/FindReplaceDialog.h"

#include "tables/WindowModel.h"
#include "ui/ApplicationContext.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trellis {

FindReplaceDialog::FindReplaceDialog(ApplicationContext& app, QWidget* parent)
    : QDialog(parent), app_(app) {
  setModal(false);
  find_ = new QLineEdit(this);
  replacement_ = new QLineEdit(this);
  replacementLabel_ = new QLabel(tr("Заменить на:"), this);
  matchCase_ = new QCheckBox(tr("Учитывать регистр"), this);
  wholeCell_ = new QCheckBox(tr("Ячейка целиком"), this);
  result_ = new QLabel(this);
  result_->setWordWrap(true);

  auto* fields = new QFormLayout;
  fields->addRow(tr("Найти:"), find_);
  fields->addRow(replacementLabel_, replacement_);
  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  QPushButton* findNext = buttons->addButton(tr("Найти далее"), QDialogButtonBox::ActionRole);
  replaceOne_ = buttons->addButton(tr("Заменить"), QDialogButtonBox::ActionRole);
  replaceAll_ = buttons->addButton(tr("Заменить все"), QDialogButtonBox::ActionRole);
  buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole);
  findNext->setDefault(true);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(matchCase_);
  left->addWidget(wholeCell_);
  left->addWidget(result_);
  left->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(buttons);

  connect(findNext, &QPushButton::clicked, this, &FindReplaceDialog::FindNext);
  connect(replaceOne_, &QPushButton::clicked, this, &FindReplaceDialog::ReplaceOne);
  connect(replaceAll_, &QPushButton::clicked, this, &FindReplaceDialog::ReplaceEverywhere);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  connect(find_, &QLineEdit::textChanged, result_, &QLabel::clear);
  setMinimumWidth(460);
}

void FindReplaceDialog::Open(bool replace) {
  setWindowTitle(replace ? tr("Замена") : tr("Поиск"));
  for (QWidget* w : std::initializer_list<QWidget*>{replacementLabel_, replacement_, replaceOne_, replaceAll_}) {
    w->setVisible(replace);
  }
  result_->clear();
  show();
  raise();
  activateWindow();
  find_->setFocus();
  find_->selectAll();
}

SearchRequest FindReplaceDialog::Request() const {
  return SearchRequest{find_->text(), matchCase_->isChecked(), wholeCell_->isChecked()};
}

void FindReplaceDialog::Tell(const QString& text) {
  result_->setText(text);
  app_.window.StatusBar1.SetPanel(1, text);
}

void FindReplaceDialog::FindNext() {
  Grid& grid = app_.window.fg1;
  const std::optional<CellPlace> found = FindNextCell(grid, Request(), CellPlace{grid.Row(), grid.Col()});
  if (!found) {
    Tell(tr("Не найдено: «%1»").arg(find_->text()));
    return;
  }
  grid.SelectCell(found->row, found->column);
  grid.EnsureRowVisible(found->row);
  Tell(tr("Найдено: строка %1, колонка %2").arg(found->row).arg(found->column));
}

void FindReplaceDialog::ReplaceOne() {
  TableContext ctx = app_.Tables();
  ReplaceInCurrentCell(ctx, Request(), replacement_->text());
  FindNext();
}

void FindReplaceDialog::ReplaceEverywhere() {
  TableContext ctx = app_.Tables();
  const int count = ReplaceAll(ctx, Request(), replacement_->text());
  Tell(count > 0 ? tr("Заменено ячеек: %1").arg(count) : tr("Не найдено: «%1»").arg(find_->text()));
}

}  // namespace trellis
