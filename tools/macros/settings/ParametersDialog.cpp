#include "macros/settings/ParametersDialog.h"

#include "automation/AutomationError.h"

#include "macros/settings/CalcSettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace trellis::macros {

namespace {

// The groups of each column, top to bottom; the CAD host closes the left one.
const QStringList kLeftGroups = {kShowGroup, kSchemeGroup};
const QStringList kRightGroups = {kCalcGroup, kCombinationGroup};

const char* const kRefusedStyle = "QLineEdit { border: 1px solid #c62828; background: #fdecea; }";

class ParametersDialog : public QDialog {
 public:
  ParametersDialog(const ParameterValues& current, const QStringList& cadHosts);

  ParameterValues Values() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Field {
    const CalcSetting* setting = nullptr;
    QCheckBox* check = nullptr;
    QComboBox* choice = nullptr;
    QLineEdit* edit = nullptr;
  };

  QGroupBox* Group(const QString& title, const ParameterValues& current);
  QWidget* HostGroup(const QString& currentHost, const QStringList& cadHosts);
  QString TextOf(const Field& field) const;
  void TryAccept();

  std::vector<Field> fields_;
  QComboBox* host_ = nullptr;
  QLabel* refusal_ = nullptr;
};

ParametersDialog::ParametersDialog(const ParameterValues& current, const QStringList& cadHosts)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QCoreApplication::translate("ParametersDialog", "Параметры расчета"));

  auto* left = new QVBoxLayout;
  for (const QString& group : kLeftGroups) left->addWidget(Group(group, current));
  left->addWidget(HostGroup(current.cadHost, cadHosts));
  left->addStretch();
  auto* right = new QVBoxLayout;
  for (const QString& group : kRightGroups) right->addWidget(Group(group, current));
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  refusal_ = new QLabel;
  refusal_->setObjectName(QStringLiteral("refusal"));
  refusal_->setWordWrap(true);
  refusal_->setStyleSheet(QStringLiteral("color: #c62828;"));
  // The line is kept even while empty, so a reason does not make the dialog jump.
  refusal_->setMinimumHeight(refusal_->fontMetrics().lineSpacing() + 4);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { TryAccept(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(refusal_);
  layout->addWidget(buttons);
}

// Captions on the left, editors on the right: line edits end where the units begin in every
// group, so the values of a column stand in one line; lists reach over the units.
QGridLayout* ValueGrid(QGroupBox* box) {
  auto* grid = new QGridLayout(box);
  grid->setColumnStretch(0, 1);
  grid->setColumnMinimumWidth(2, box->fontMetrics().horizontalAdvance(QStringLiteral("мм")));
  grid->setVerticalSpacing(6);
  return grid;
}

QGroupBox* ParametersDialog::Group(const QString& title, const ParameterValues& current) {
  auto* box = new QGroupBox(SettingText(title));
  QGridLayout* grid = ValueGrid(box);
  int row = 0;
  for (const CalcSetting& s : CalcSettings()) {
    if (s.group != title) continue;
    const QString value = current.values.value(s.Id(), s.defaultValue);
    Field field;
    field.setting = &s;
    if (s.kind == SettingKind::Flag) {
      field.check = new QCheckBox(SettingText(s.caption));
      field.check->setObjectName(s.Id());
      field.check->setChecked(value == u'1');
      grid->addWidget(field.check, row, 0, 1, 3);
    } else {
      auto* caption = new QLabel(SettingText(s.caption));
      grid->addWidget(caption, row, 0);
      if (s.kind == SettingKind::Choice) {
        field.choice = new QComboBox;
        field.choice->setObjectName(s.Id());
        for (const QString& choice : s.choices) field.choice->addItem(SettingText(choice));
        field.choice->setCurrentIndex(value.toInt());
        caption->setBuddy(field.choice);
        grid->addWidget(field.choice, row, 1, 1, 2);
      } else {
        field.edit = new QLineEdit(value);
        field.edit->setObjectName(s.Id());
        field.edit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0,0000001")) +
                                  16);
        if (s.emptyAllowed) field.edit->setPlaceholderText(QStringLiteral("1"));
        caption->setBuddy(field.edit);
        // A mark stays only until the value is changed.
        QLineEdit* edit = field.edit;
        connect(edit, &QLineEdit::textEdited, this, [edit] { edit->setStyleSheet(QString()); });
        grid->addWidget(field.edit, row, 1, Qt::AlignRight);
        grid->addWidget(new QLabel(SettingText(s.unit)), row, 2);
      }
    }
    fields_.push_back(field);
    ++row;
  }
  return box;
}

QWidget* ParametersDialog::HostGroup(const QString& currentHost, const QStringList& cadHosts) {
  auto* box = new QGroupBox(SettingText(kCadGroup));
  QGridLayout* grid = ValueGrid(box);
  auto* caption =
      new QLabel(QCoreApplication::translate("ParametersDialog", "Графический редактор"));
  host_ = new QComboBox;
  host_->setObjectName(QStringLiteral("cadHost"));
  host_->addItems(cadHosts);
  host_->setCurrentIndex(std::max(0, host_->findText(currentHost, Qt::MatchFixedString)));
  caption->setBuddy(host_);
  grid->addWidget(caption, 0, 0);
  grid->addWidget(host_, 0, 1, 1, 2);
  auto* note = new QLabel(QCoreApplication::translate(
      "ParametersDialog", "Другая программа используется со следующего подключения к САПР."));
  note->setWordWrap(true);
  note->setEnabled(false);
  grid->addWidget(note, 1, 0, 1, 3);
  return box;
}

QString ParametersDialog::TextOf(const Field& field) const {
  if (field.check) return field.check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  if (field.choice) return QString::number(field.choice->currentIndex());
  return field.edit->text();
}

void ParametersDialog::TryAccept() {
  const Field* first = nullptr;
  QString reason;
  for (const Field& field : fields_) {
    const QString refusal = RefusalOf(*field.setting, TextOf(field));
    if (field.edit)
      field.edit->setStyleSheet(refusal.isEmpty() ? QString() : QLatin1String(kRefusedStyle));
    if (!refusal.isEmpty() && !first) {
      first = &field;
      reason = QCoreApplication::translate("ParametersDialog", "«%1»: %2.")
                   .arg(SettingText(field.setting->caption), refusal);
    }
  }
  refusal_->setText(reason);
  if (!first) {
    accept();
    return;
  }
  QWidget* widget = first->edit     ? static_cast<QWidget*>(first->edit)
                    : first->choice ? static_cast<QWidget*>(first->choice)
                                    : static_cast<QWidget*>(first->check);
  widget->setFocus();
  if (first->edit) first->edit->selectAll();
}

ParameterValues ParametersDialog::Values() const {
  ParameterValues values;
  for (const Field& field : fields_) {
    values.values.insert(field.setting->Id(), StoredForm(*field.setting, TextOf(field)));
  }
  values.cadHost = host_->currentText();
  return values;
}

void ParametersDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The program that asked for the dialog has the focus; without this the dialog may open
  // behind its window.
  raise();
  activateWindow();
}

}  // namespace

std::optional<ParameterValues> ParametersDialogEditor::Edit(const ParameterValues& current,
                                                            const QStringList& cadHosts) {
  if (!screen_) {
    throw AutomationError(
        QStringLiteral("Edit"),
        QCoreApplication::translate("ParametersDialog", "у программы макросов нет экрана"));
  }
  ParametersDialog dialog(current, cadHosts);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Values();
}

}  // namespace trellis::macros
