#pragma once

#include <QEventLoop>

#include <chrono>
#include <functional>

namespace trellis {

// A bus call waiting for its answer in Loop. The local event loops of waiting calls nest, so
// the calls of the thread form one stack, the innermost last; the user's stop request reaches
// all of them.
class CallWait {
 public:
  explicit CallWait(QEventLoop& loop);
  ~CallWait();
  CallWait(const CallWait&) = delete;
  CallWait& operator=(const CallWait&) = delete;

  // The user's stop request ended the wait.
  bool Abandoned() const { return abandoned_; }

 private:
  friend void StopWaitingCalls(std::chrono::milliseconds grace,
                               const std::function<void()>& request);
  QEventLoop& loop_;
  bool stopRequested_ = false;
  bool abandoned_ = false;
};

// Whether a bus call is waiting for its answer now.
bool IsCallWaiting();

// The user asked to stop: Request tells the server so (a macro's StopEx). A server that is
// working answers within Grace, a macro that was asked to stop by ending its method; every
// call waiting now, or made by Request, that still has no answer then is abandoned with
// CallAbandoned, and so is every call made while it waits. No call has a time limit of its
// own: a macro may run, and an on-screen pick wait for the user, as long as the user lets it.
void StopWaitingCalls(std::chrono::milliseconds grace, const std::function<void()>& request);

}  // namespace trellis
