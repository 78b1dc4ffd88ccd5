#pragma once

#include <QMap>
#include <QObject>
#include <QString>

#include <vector>

namespace trellis {

// A table tab strip of this many tabs or more shows a title only on the selected tab; the others
// show their images.
inline constexpr int kTabsWithCaptions = 6;

struct Tab {
  QString key;
  QString caption;
  QString tooltip;
  QString tag;
  QString image;  // key in the strip's image list; empty for a tab without image
};

// A tab strip as plain data, with its image list (key -> picture file). Positions count from
// 1; 0 means no tab selected.
class TabStrip : public QObject {
  Q_OBJECT
 public:
  int Count() const { return int(tabs_.size()); }
  const Tab& At(int position) const { return tabs_.at(size_t(position - 1)); }
  int Selected() const { return selected_; }
  const Tab* SelectedTab() const { return selected_ >= 1 ? &At(selected_) : nullptr; }

  void Add(Tab tab);
  void Clear();
  void SetCaption(int position, const QString& caption);
  // Selects without running any click handler: the caller runs it.
  void Select(int position);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const QMap<QString, QString>& Images() const { return images_; }
  bool HasImage(const QString& key) const { return images_.contains(key); }
  void AddImage(const QString& key, const QString& file);
  void ClearImages();

 Q_SIGNALS:
  void Changed();

 private:
  std::vector<Tab> tabs_;
  int selected_ = 0;
  bool enabled_ = true;
  QMap<QString, QString> images_;
};

}  // namespace trellis
