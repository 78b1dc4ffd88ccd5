#include "tables/TabStrip.h"

namespace trellis {

void TabStrip::Add(Tab tab) {
  tabs_.push_back(std::move(tab));
  Q_EMIT Changed();
}

void TabStrip::Clear() {
  tabs_.clear();
  selected_ = 0;
  Q_EMIT Changed();
}

void TabStrip::SetCaption(int position, const QString& caption) {
  if (position < 1 || position > Count()) return;
  tabs_[size_t(position - 1)].caption = caption;
  Q_EMIT Changed();
}

void TabStrip::Select(int position) {
  selected_ = (position >= 1 && position <= Count()) ? position : 0;
  Q_EMIT Changed();
}

void TabStrip::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Q_EMIT Changed();
}

void TabStrip::AddImage(const QString& key, const QString& file) {
  images_.insert(key, file);
  Q_EMIT Changed();
}

void TabStrip::ClearImages() {
  images_.clear();
  Q_EMIT Changed();
}

}  // namespace trellis
