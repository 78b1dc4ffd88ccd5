#pragma once

#include "cad-host/HostServices.h"

#include <QStringList>

#include <deque>

namespace trellis::test {

// Answers on-screen picks from a script of entity handles; with the script used up the user
// cancels (picks nothing). Keeps what each pick was offered.
class ScriptedPicker : public cadhost::Picker {
 public:
  void QueuePick(QStringList handles) { script_.push_back(std::move(handles)); }
  cadhost::EntityList Pick(const cadhost::EntityList& candidates) override;

  const std::vector<QStringList>& Offered() const { return offered_; }

 private:
  std::deque<QStringList> script_;
  std::vector<QStringList> offered_;
};

}  // namespace trellis::test
