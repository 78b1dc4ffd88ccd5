#include "automation/CallWaits.h"

#include <QTimer>

#include <algorithm>
#include <vector>

namespace trellis {

namespace {

// Calls are made and awaited on the user-interface thread only.
std::vector<CallWait*>& Waiting() {
  static std::vector<CallWait*> waiting;
  return waiting;
}

// Above zero while a stop request is being made.
int requesting = 0;

}  // namespace

CallWait::CallWait(QEventLoop& loop) : loop_(loop), stopRequested_(requesting > 0) {
  Waiting().push_back(this);
}

CallWait::~CallWait() {
  std::vector<CallWait*>& waiting = Waiting();
  waiting.erase(std::remove(waiting.begin(), waiting.end(), this), waiting.end());
}

bool IsCallWaiting() {
  return !Waiting().empty();
}

void StopWaitingCalls(std::chrono::milliseconds grace, const std::function<void()>& request) {
  for (CallWait* wait : Waiting()) wait->stopRequested_ = true;
  QTimer::singleShot(grace, [] {
    std::vector<CallWait*>& waiting = Waiting();
    const auto first = std::find_if(waiting.begin(), waiting.end(),
                                    [](const CallWait* wait) { return wait->stopRequested_; });
    for (auto wait = first; wait != waiting.end(); ++wait) {
      (*wait)->abandoned_ = true;
      (*wait)->loop_.quit();
    }
  });
  ++requesting;
  try {
    request();
  } catch (...) {
    --requesting;
    throw;
  }
  --requesting;
}

}  // namespace trellis
