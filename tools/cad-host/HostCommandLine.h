#pragma once

#include <QString>
#include <QStringList>

namespace trellis::cadhost {

class HostDocument;

// The document's command line. As in the CAD hosts, a space or a line end submits what was
// typed; an empty submission takes the prompt's default. It knows one command:
//   _-group _s NAME <Enter>: asks "make the group unselectable (selectable)?"; the default
//   answer flips the group's selectability, "_y" does so too, "_n" keeps it.
// Anything else is reported in the history and otherwise ignored, as a host ignores a command
// it does not know. Text after the last submission waits for more input.
class HostCommandLine {
 public:
  void Type(HostDocument& document, const QString& text);
  const QStringList& History() const { return history_; }

 private:
  enum class Step { Command, GroupOption, GroupName, GroupAnswer };
  void Submit(HostDocument& document, const QString& word);

  Step step_ = Step::Command;
  QString pending_;
  bool afterReturn_ = false;
  QString groupName_;
  QStringList history_;
};

}  // namespace trellis::cadhost
