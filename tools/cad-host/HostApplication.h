#pragma once

#include "automation/MemberTable.h"
#include "cad-host/HostServices.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace trellis::cadhost {

class HostDocument;
class HostDocuments;

// The host application: its window state, installation folder, the macro projects it loaded,
// the add-in macros and its drawings. A host started for automation stays hidden until a
// client makes it visible. It serves one ProgID; the AutoCAD one ("AutoCAD.*") means the
// AutoCAD sense of a group's Highlight flag.
class HostApplication : public TableDispatch<HostApplication>,
                        public std::enable_shared_from_this<HostApplication> {
 public:
  // Path is the host's installation folder (where its add-in lists live).
  static std::shared_ptr<HostApplication> Create(
      HostServices services, QString path, QString progId = QStringLiteral("AutoCAD.Application"));
  static const MemberTable<HostApplication>& Members();

  static QString ProductName() { return QStringLiteral("Trellis CAD"); }

  const std::shared_ptr<HostDocument>& ActiveDocument() const;
  HostDocuments& Documents() const { return *documents_; }
  void Activate(const HostDocument& document);
  bool InvertsHighlight() const;
  const QString& ProgId() const { return progId_; }
  QString Caption() const;
  const QString& Path() const { return path_; }
  bool Visible() const { return visible_; }
  int WindowState() const { return windowState_; }
  int Updates() const { return updates_; }
  const QStringList& LoadedProjects() const { return loadedProjects_; }

  // The add-in macros by name, optionally qualified ("Project.dvb!Module.SetGroup").
  void RunMacro(const QString& name);

 private:
  HostApplication(HostServices services, QString path, QString progId);

  HostServices services_;
  QString path_;
  QString progId_;
  std::shared_ptr<HostDocuments> documents_;
  bool visible_ = false;
  int windowState_ = 1;
  int updates_ = 0;
  QStringList loadedProjects_;
};

}  // namespace trellis::cadhost
