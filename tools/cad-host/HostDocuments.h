#pragma once

#include "automation/MemberTable.h"
#include "cad-host/HostServices.h"

#include <QString>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostApplication;
class HostDocument;

// The drawings open in the host; the last one opened or activated is the active one, which the
// window shows. A new drawing is named "DrawingN.dxf" until it is saved.
class HostDocuments : public TableDispatch<HostDocuments> {
 public:
  HostDocuments(HostServices services, std::weak_ptr<HostApplication> application);
  static const MemberTable<HostDocuments>& Members();

  std::shared_ptr<HostDocument> Add();
  // Throws AutomationError (member Open) naming the file and, for a bad file, the line.
  std::shared_ptr<HostDocument> Open(const QString& path);
  // Closes Document; the active one becomes the last of the others (a new drawing when none).
  void Close(const HostDocument* document);
  std::shared_ptr<HostDocument> Find(const QString& name) const;
  const std::shared_ptr<HostDocument>& Active() const { return active_; }
  void Activate(const std::shared_ptr<HostDocument>& document);
  const std::vector<std::shared_ptr<HostDocument>>& All() const { return documents_; }

 private:
  HostServices services_;
  std::weak_ptr<HostApplication> application_;
  std::vector<std::shared_ptr<HostDocument>> documents_;
  std::shared_ptr<HostDocument> active_;
  int created_ = 0;
};

// The drawing of a DXF file; throws AutomationError naming Member with the reason, which names
// the line of a bad file.
struct DxfFile;
DxfFile ReadDrawingFile(const QString& path, const QString& member);

}  // namespace trellis::cadhost
