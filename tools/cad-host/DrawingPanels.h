#pragma once

#include "cad-host/HostServices.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace trellis::cadhost {

class HostDocument;

// Chooses a colour of the CAD colour table (1..255) from its swatches.
class AciColorDialog : public QDialog {
  Q_OBJECT

 public:
  AciColorDialog(int current, QWidget* parent = nullptr);
  int Chosen() const { return chosen_; }

 private:
  int chosen_;
};

// A swatch of an ACI colour for lists and buttons.
QIcon AciSwatch(int index);

// The drawing's layers: name, on/off, colour and which one new objects go on.
class LayerPanel : public QWidget {
  Q_OBJECT

 public:
  explicit LayerPanel(QWidget* parent = nullptr);
  void SetDocument(std::shared_ptr<HostDocument> document);
  // Shows the layers as they are now; a list that did not change is left alone.
  void Refresh();

 private:
  void NewLayer();
  void MakeCurrent();
  void ItemChanged(QTreeWidgetItem* item, int column);
  void ItemClicked(QTreeWidgetItem* item, int column);
  QString Current() const;

  std::shared_ptr<HostDocument> document_;
  QTreeWidget* list_;
  QString shown_;
  bool filling_ = false;
};

// The drawing's groups with their member counts. Choosing one selects its members.
class GroupPanel : public QWidget {
  Q_OBJECT

 public:
  explicit GroupPanel(QWidget* parent = nullptr);
  void SetDocument(std::shared_ptr<HostDocument> document);
  void Refresh();

 signals:
  void GroupChosen(const EntityList& members);

 private:
  std::shared_ptr<HostDocument> document_;
  QTreeWidget* list_;
  QString shown_;
};

// The command line: what was said and typed, the prompt and the input line. Enter and Space
// submit what was typed, Escape cancels.
class CommandLinePanel : public QWidget {
  Q_OBJECT

 public:
  explicit CommandLinePanel(QWidget* parent = nullptr);
  void SetPrompt(const QString& prompt);
  void Append(const QString& text);
  QLineEdit* Input() const { return input_; }
  QString History() const;

 signals:
  void Submitted(const QString& text);
  void Cancelled();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit* history_;
  QLabel* prompt_;
  QLineEdit* input_;
};

}  // namespace trellis::cadhost
