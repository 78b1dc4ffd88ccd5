#include "cad-host/DrawingPanels.h"

#include "automation/AutomationError.h"
#include "cad-host/AciColors.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace trellis::cadhost {

namespace {

enum LayerColumn { kCurrentColumn, kNameColumn, kOnColumn, kColorColumn };

QTreeWidget* MakeList(const QStringList& headers, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setHeaderLabels(headers);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAlternatingRowColors(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

}  // namespace

QIcon AciSwatch(int index) {
  QPixmap swatch(14, 14);
  swatch.fill(Qt::transparent);
  QPainter painter(&swatch);
  painter.setPen(QColor(90, 90, 90));
  painter.setBrush(AciColor(index));
  painter.drawRect(0, 0, 13, 13);
  return QIcon(swatch);
}

AciColorDialog::AciColorDialog(int current, QWidget* parent) : QDialog(parent), chosen_(current) {
  setWindowTitle(tr("Выбор цвета"));
  auto* layout = new QVBoxLayout(this);
  auto* chosenLabel = new QLabel(this);
  const auto describe = [chosenLabel](int index) {
    chosenLabel->setText(tr("Цвет: %1").arg(index));
  };
  describe(current);
  const auto swatch = [this, describe](int index) {
    auto* button = new QToolButton(this);
    button->setFixedSize(18, 18);
    button->setAutoRaise(false);
    button->setToolTip(QString::number(index));
    button->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid #555; }"
                                         "QToolButton:hover { border: 2px solid white; }")
                              .arg(AciColor(index).name()));
    connect(button, &QToolButton::clicked, this, [this, index, describe] {
      chosen_ = index;
      describe(index);
      accept();
    });
    return button;
  };
  // The hue blocks: 24 hues of ten shades each, as the CAD programs lay them out.
  auto* hues = new QGridLayout;
  hues->setSpacing(1);
  for (int hue = 0; hue < 24; ++hue) {
    for (int shade = 0; shade < 10; ++shade) {
      hues->addWidget(swatch(10 + hue * 10 + shade), shade, hue);
    }
  }
  layout->addLayout(hues);
  auto* standard = new QHBoxLayout;
  standard->setSpacing(2);
  standard->addWidget(new QLabel(tr("Основные:"), this));
  for (int index = 1; index <= 9; ++index) standard->addWidget(swatch(index));
  standard->addSpacing(12);
  standard->addWidget(new QLabel(tr("Серые:"), this));
  for (int index = 250; index <= 255; ++index) standard->addWidget(swatch(index));
  standard->addStretch();
  layout->addLayout(standard);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(chosenLabel);
  bottom->addStretch();
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
}

LayerPanel::LayerPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  list_ = MakeList({QString(), tr("Слой"), tr("Вкл"), tr("Цвет")}, this);
  list_->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
  list_->header()->setStretchLastSection(false);
  list_->setColumnWidth(kCurrentColumn, 24);
  list_->setColumnWidth(kOnColumn, 44);
  list_->setColumnWidth(kColorColumn, 64);
  list_->setToolTip(
      tr("Щелчок по цвету - выбрать цвет; двойной щелчок по имени - "
         "сделать слой текущим"));
  layout->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  auto* add = new QPushButton(tr("Новый слой"), this);
  auto* current = new QPushButton(tr("Сделать текущим"), this);
  buttons->addWidget(add);
  buttons->addWidget(current);
  layout->addLayout(buttons);
  connect(add, &QPushButton::clicked, this, &LayerPanel::NewLayer);
  connect(current, &QPushButton::clicked, this, &LayerPanel::MakeCurrent);
  connect(list_, &QTreeWidget::itemChanged, this, &LayerPanel::ItemChanged);
  connect(list_, &QTreeWidget::itemClicked, this, &LayerPanel::ItemClicked);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item, int column) {
            if (column == kNameColumn) MakeCurrent();
            Q_UNUSED(item);
          });
}

void LayerPanel::SetDocument(std::shared_ptr<HostDocument> document) {
  document_ = std::move(document);
  shown_.clear();
  Refresh();
}

QString LayerPanel::Current() const {
  return document_ ? document_->Variables().Get(QStringLiteral("CLAYER")).toString() : QString();
}

void LayerPanel::Refresh() {
  QString state;
  if (document_ && !document_->Closed()) {
    state = Current() + u'\n';
    for (const auto& layer : document_->Layers().All()) {
      // What the list shows: the switch is On, whatever Freeze says.
      state += QStringLiteral("%1|%2|%3\n").arg(layer->Name()).arg(layer->On()).arg(layer->Color());
    }
  }
  if (state == shown_) return;
  shown_ = state;
  const QString selected = list_->currentItem() ? list_->currentItem()->text(kNameColumn)
                                                : QString();
  filling_ = true;
  list_->clear();
  if (document_ && !document_->Closed()) {
    const QString current = Current();
    for (const auto& layer : document_->Layers().All()) {
      auto* item = new QTreeWidgetItem(list_);
      const bool isCurrent = layer->Name().compare(current, Qt::CaseInsensitive) == 0;
      item->setText(kCurrentColumn, isCurrent ? QStringLiteral("✔") : QString());
      item->setTextAlignment(kCurrentColumn, Qt::AlignCenter);
      item->setText(kNameColumn, layer->Name());
      if (isCurrent) {
        QFont bold = item->font(kNameColumn);
        bold.setBold(true);
        item->setFont(kNameColumn, bold);
      }
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(kOnColumn, layer->On() ? Qt::Checked : Qt::Unchecked);
      item->setIcon(kColorColumn, AciSwatch(layer->Color()));
      item->setText(kColorColumn, QString::number(layer->Color()));
      item->setToolTip(kColorColumn, tr("Щёлкните, чтобы выбрать цвет"));
      if (layer->Name() == selected) list_->setCurrentItem(item);
    }
  }
  filling_ = false;
}

void LayerPanel::ItemChanged(QTreeWidgetItem* item, int column) {
  if (filling_ || column != kOnColumn || !document_) return;
  const auto layer = document_->Layers().Find(item->text(kNameColumn));
  if (!layer) return;
  const bool on = item->checkState(kOnColumn) == Qt::Checked;
  if (layer->On() == on) return;
  // The list shows what the user clicked already: the next refresh compares with the layer.
  shown_.clear();
  const HistoryStep step(document_->History(), on ? tr("Включение слоя") : tr("Отключение слоя"));
  layer->SetOn(on);
}

void LayerPanel::ItemClicked(QTreeWidgetItem* item, int column) {
  if (column != kColorColumn || !document_) return;
  const auto layer = document_->Layers().Find(item->text(kNameColumn));
  if (!layer) return;
  AciColorDialog dialog(layer->Color(), this);
  if (dialog.exec() != QDialog::Accepted || dialog.Chosen() == layer->Color()) return;
  const HistoryStep step(document_->History(), tr("Цвет слоя"));
  layer->SetColor(dialog.Chosen());
}

void LayerPanel::NewLayer() {
  if (!document_) return;
  bool ok = false;
  const QString name = QInputDialog::getText(this, tr("Новый слой"), tr("Имя слоя:"),
                                             QLineEdit::Normal, QString(), &ok)
                           .trimmed();
  if (!ok || name.isEmpty()) return;
  if (document_->Layers().Find(name)) {
    QMessageBox::information(this, tr("Новый слой"), tr("Слой %1 уже есть.").arg(name));
    return;
  }
  try {
    document_->History().Begin(tr("Новый слой"));
    document_->Layers().Add(name);
    document_->History().End();
  } catch (const AutomationError& error) {
    document_->History().End();
    QMessageBox::warning(this, tr("Новый слой"), error.Reason());
  }
}

void LayerPanel::MakeCurrent() {
  if (!document_ || !list_->currentItem()) return;
  const QString name = list_->currentItem()->text(kNameColumn);
  try {
    document_->Variables().Set(QStringLiteral("CLAYER"), name);
  } catch (const AutomationError& error) {
    QMessageBox::warning(this, tr("Слои"), error.Reason());
  }
  Refresh();
}

GroupPanel::GroupPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  list_ = MakeList({tr("Группа"), tr("Объектов")}, this);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->header()->setStretchLastSection(false);
  list_->setColumnWidth(1, 72);
  list_->setToolTip(tr("Выберите группу, чтобы выделить её объекты"));
  layout->addWidget(list_);
  connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (!document_ || !item) return;
    if (const auto group = document_->Groups().Find(item->text(0))) {
      emit GroupChosen(group->Items());
    }
  });
}

void GroupPanel::SetDocument(std::shared_ptr<HostDocument> document) {
  document_ = std::move(document);
  shown_.clear();
  Refresh();
}

void GroupPanel::Refresh() {
  QString state;
  if (document_ && !document_->Closed()) {
    for (const auto& group : document_->Groups().All()) {
      state += QStringLiteral("%1|%2|%3\n").arg(group->Name()).arg(group->Items().size()).arg(
          group->marked);
    }
  }
  if (state == shown_) return;
  shown_ = state;
  const QString selected = list_->currentItem() ? list_->currentItem()->text(0) : QString();
  list_->clear();
  if (!document_ || document_->Closed()) return;
  for (const auto& group : document_->Groups().All()) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, group->Name());
    item->setText(1, QString::number(group->Items().size()));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    if (!group->description.isEmpty()) item->setToolTip(0, group->description);
    // The group the program marked (its current row) stands out here as on the drawing.
    if (group->marked) {
      item->setForeground(0, QColor(230, 140, 0));
      item->setIcon(0, AciSwatch(30));
    }
    if (group->Name() == selected) list_->setCurrentItem(item);
  }
}

CommandLinePanel::CommandLinePanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 4);
  layout->setSpacing(2);
  history_ = new QPlainTextEdit(this);
  history_->setReadOnly(true);
  history_->setMaximumBlockCount(2000);
  history_->setFocusPolicy(Qt::NoFocus);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  history_->setFont(mono);
  layout->addWidget(history_);
  auto* row = new QHBoxLayout;
  prompt_ = new QLabel(this);
  prompt_->setFont(mono);
  input_ = new QLineEdit(this);
  input_->setFont(mono);
  input_->setFrame(false);
  input_->installEventFilter(this);
  row->addWidget(prompt_);
  row->addWidget(input_, 1);
  layout->addLayout(row);
  history_->setMinimumHeight(QFontMetrics(mono).lineSpacing() * 3 + 8);
}

void CommandLinePanel::SetPrompt(const QString& prompt) {
  prompt_->setText(prompt);
}

void CommandLinePanel::Append(const QString& text) {
  history_->appendPlainText(text);
  history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

QString CommandLinePanel::History() const {
  return history_->toPlainText();
}

bool CommandLinePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == input_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        key->key() == Qt::Key_Space) {
      const QString text = input_->text();
      Append(prompt_->text() + u' ' + text);
      input_->clear();
      emit Submitted(text);
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      input_->clear();
      emit Cancelled();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace trellis::cadhost
