#pragma once

#include "automation/MemberTable.h"

#include <QString>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostDocument;

class HostLayer : public TableDispatch<HostLayer> {
 public:
  HostLayer(std::weak_ptr<HostDocument> document, QString name, QString handle);
  static const MemberTable<HostLayer>& Members();

  const QString& Name() const { return name_; }
  const QString& Handle() const { return handle_; }
  bool on = true;
  int color = 7;  // white on a dark screen, black on paper

 private:
  void Changed();

  std::weak_ptr<HostDocument> document_;
  QString name_;
  QString handle_;
};

// The layers of a drawing; names compare without case. Layer "0" always exists.
class HostLayers : public TableDispatch<HostLayers> {
 public:
  explicit HostLayers(std::weak_ptr<HostDocument> document);
  static const MemberTable<HostLayers>& Members();

  // The layer of that name, made when missing (adding an existing name gives that layer).
  std::shared_ptr<HostLayer> Add(const QString& name);
  std::shared_ptr<HostLayer> Find(const QString& name) const;
  const std::vector<std::shared_ptr<HostLayer>>& All() const { return layers_; }

 private:
  std::weak_ptr<HostDocument> document_;
  std::vector<std::shared_ptr<HostLayer>> layers_;
};

}  // namespace trellis::cadhost
