#include "tables/Toolbar.h"

#include <algorithm>

namespace trellis {

int Toolbar::Find(const QString& key) const {
  for (int i = 0; i < Count(); ++i) {
    if (buttons_[size_t(i)].key == key) return i + 1;
  }
  return 0;
}

int Toolbar::Add(ToolButton button, int position) {
  if (position < 1 || position > Count() + 1) position = Count() + 1;
  buttons_.insert(buttons_.begin() + (position - 1), std::move(button));
  Q_EMIT Changed();
  return position;
}

void Toolbar::Remove(int position) {
  if (position < 1 || position > Count()) return;
  buttons_.erase(buttons_.begin() + (position - 1));
  Q_EMIT Changed();
}

void Toolbar::Clear() {
  buttons_.clear();
  Q_EMIT Changed();
}

void Toolbar::Replace(int position, ToolButton button) {
  if (position < 1 || position > Count()) return;
  buttons_[size_t(position - 1)] = std::move(button);
  Q_EMIT Changed();
}

void Toolbar::SetPressed(int position, bool pressed) {
  if (position < 1 || position > Count()) return;
  ToolButton& button = buttons_[size_t(position - 1)];
  button.pressed = pressed;
  if (pressed && button.style == ButtonStyle::ButtonGroup) {
    for (int i = position - 1; i >= 1 && Button(i).style == ButtonStyle::ButtonGroup; --i) {
      buttons_[size_t(i - 1)].pressed = false;
    }
    for (int i = position + 1; i <= Count() && Button(i).style == ButtonStyle::ButtonGroup; ++i) {
      buttons_[size_t(i - 1)].pressed = false;
    }
  }
  Q_EMIT Changed();
}

void Toolbar::SetButtonEnabled(int position, bool enabled) {
  if (position < 1 || position > Count()) return;
  buttons_[size_t(position - 1)].enabled = enabled;
  Q_EMIT Changed();
}

void Toolbar::SetMenuItem(int position, int item, const QString& text, bool visible) {
  if (position < 1 || position > Count()) return;
  std::vector<MenuItem>& menu = buttons_[size_t(position - 1)].menu;
  if (item < 1 || size_t(item) > menu.size()) return;
  menu[size_t(item - 1)].text = text;
  menu[size_t(item - 1)].visible = visible;
  Q_EMIT Changed();
}

void Toolbar::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Q_EMIT Changed();
}

}  // namespace trellis
