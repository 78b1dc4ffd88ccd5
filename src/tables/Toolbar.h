#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace trellis {

// Button styles of the window's toolbars.
enum class ButtonStyle { Default = 0, Check = 1, ButtonGroup = 2, Separator = 3, Placeholder = 4, DropDown = 5 };

struct MenuItem {
  QString key;
  QString text;
  bool visible = true;
};

struct ToolButton {
  QString key;
  ButtonStyle style = ButtonStyle::Default;
  bool pressed = false;
  bool enabled = true;
  bool visible = true;
  QString tag;
  QString tooltip;
  QString caption;
  QString image;  // key in the toolbar's image lists
  std::vector<MenuItem> menu;
};

// A toolbar as plain data; the widgets mirror it on every Changed(). Positions count from 1,
// as the toolbar procedures number buttons.
class Toolbar : public QObject {
  Q_OBJECT
 public:
  explicit Toolbar(QString name) : name_(std::move(name)) {}

  const QString& Name() const { return name_; }
  int Count() const { return int(buttons_.size()); }
  const ToolButton& Button(int position) const { return buttons_.at(size_t(position - 1)); }
  // The position of the button with that key, 0 when there is none.
  int Find(const QString& key) const;

  // Inserts at Position (1..Count+1); 0 appends. Returns the position used.
  int Add(ToolButton button, int position = 0);
  void Remove(int position);
  void Clear();
  void Replace(int position, ToolButton button);

  // Pressing a button of a button group releases the other buttons of its group (the run of
  // adjacent button-group buttons around it).
  void SetPressed(int position, bool pressed);
  void SetButtonEnabled(int position, bool enabled);
  // Item counts from 1.
  void SetMenuItem(int position, int item, const QString& text, bool visible);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

 Q_SIGNALS:
  void Changed();

 private:
  QString name_;
  std::vector<ToolButton> buttons_;
  bool enabled_ = true;
};

}  // namespace trellis
