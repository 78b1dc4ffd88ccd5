#include "cad-host/HostDocuments.h"

#include "automation/Arguments.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/ItemLookup.h"
#include "cad-host/dxf/DxfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trellis::cadhost {

DxfFile ReadDrawingFile(const QString& path, const QString& member) {
  const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  QFile file(path);
  if (!QFileInfo(path).isFile()) {
    throw AutomationError(member, QStringLiteral("%1: the file does not exist").arg(shown));
  }
  if (!file.open(QIODevice::ReadOnly)) {
    throw AutomationError(member, QStringLiteral("%1: %2").arg(shown, file.errorString()));
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw AutomationError(member, QStringLiteral("%1: %2").arg(shown, file.errorString()));
  }
  try {
    return ReadDxf(bytes);
  } catch (const DxfError& error) {
    throw AutomationError(member, QStringLiteral("%1, %2").arg(shown, error.Text()));
  }
}

HostDocuments::HostDocuments(HostServices services, std::weak_ptr<HostApplication> application)
    : services_(services), application_(std::move(application)) {}

std::shared_ptr<HostDocument> HostDocuments::Add() {
  auto document = HostDocument::Create(services_, application_,
                                       QStringLiteral("Drawing%1.dxf").arg(++created_));
  documents_.push_back(document);
  Activate(document);
  return document;
}

std::shared_ptr<HostDocument> HostDocuments::Open(const QString& path) {
  auto document = HostDocument::FromFile(services_, application_,
                                         ReadDrawingFile(path, QStringLiteral("Open")), path);
  documents_.push_back(document);
  Activate(document);
  return document;
}

void HostDocuments::Close(const HostDocument* document) {
  const auto it = std::find_if(documents_.begin(), documents_.end(),
                               [document](const auto& d) { return d.get() == document; });
  if (it == documents_.end()) return;
  (*it)->Close();
  documents_.erase(it);
  if (active_.get() != document) return;
  if (documents_.empty()) {
    Add();
  } else {
    Activate(documents_.back());
  }
}

std::shared_ptr<HostDocument> HostDocuments::Find(const QString& name) const {
  for (const auto& document : documents_) {
    if (document->Name().compare(name, Qt::CaseInsensitive) == 0) return document;
  }
  return nullptr;
}

void HostDocuments::Activate(const std::shared_ptr<HostDocument>& document) {
  active_ = document;
  services_.view.WindowStateChanged();
  services_.view.DrawingChanged();
}

const MemberTable<HostDocuments>& HostDocuments::Members() {
  static const MemberTable<HostDocuments> table = [] {
    MemberTable<HostDocuments> t;
    t.Property(QStringLiteral("Count"), [](HostDocuments& c) { return int(c.documents_.size()); });
    t.Function(QStringLiteral("Item"), [](HostDocuments& c, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("Item"));
      return ObjectValue(ItemAt(
          c.documents_, args[0], [&c](const QString& name) { return c.Find(name); },
          QStringLiteral("Item")));
    });
    // A template argument is taken and not used: a new drawing starts empty.
    t.Function(QStringLiteral("Add"), [](HostDocuments& c, QVariantList& args) {
      RequireArguments(args, 0, 1, QStringLiteral("Add"));
      return ObjectValue(c.Add());
    });
    t.Function(QStringLiteral("Open"), [](HostDocuments& c, QVariantList& args) {
      RequireArguments(args, 1, 2, QStringLiteral("Open"));
      return ObjectValue(c.Open(ToText(args[0], QStringLiteral("Open"))));
    });
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
