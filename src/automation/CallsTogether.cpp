#include "automation/CallsTogether.h"

#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/RemoteObject.h"

#include <algorithm>

namespace trellis {

namespace {

// The endpoint every call of the batch goes through, or none when some object is not a
// remote one (then the calls are made one by one).
std::shared_ptr<BusEndpoint> CommonEndpoint(const std::vector<LateCall>& calls) {
  std::shared_ptr<BusEndpoint> common;
  for (const LateCall& call : calls) {
    const auto* remote = dynamic_cast<const RemoteObject*>(call.object.get());
    if (!remote) return nullptr;
    const std::shared_ptr<BusEndpoint> endpoint = remote->EndpointOrNull();
    if (!endpoint || (common && endpoint != common)) return nullptr;
    common = endpoint;
  }
  return common;
}

QVariant CallOne(const LateCall& call) {
  if (!call.object) throw AutomationError(call.member, QStringLiteral("the object is not set"));
  switch (call.kind) {
    case LateCall::Kind::Get:
      return call.object->Get(call.member);
    case LateCall::Kind::Set:
      call.object->Set(call.member, call.args.value(0));
      return QVariant();
    case LateCall::Kind::Invoke: {
      QVariantList args = call.args;
      return call.object->Invoke(call.member, args);
    }
  }
  return QVariant();
}

}  // namespace

std::vector<QVariant> CallTogether(const std::vector<LateCall>& calls) {
  if (calls.empty()) return {};
  if (const std::shared_ptr<BusEndpoint> endpoint = CommonEndpoint(calls)) {
    return endpoint->CallAll(calls);
  }
  std::vector<QVariant> answers;
  answers.reserve(calls.size());
  for (const LateCall& call : calls) answers.push_back(CallOne(call));
  return answers;
}

std::vector<QVariant> CallInBatches(const std::vector<LateCall>& calls, size_t perMessage) {
  std::vector<QVariant> answers;
  answers.reserve(calls.size());
  for (size_t first = 0; first < calls.size(); first += perMessage) {
    const auto begin = calls.begin() + qsizetype(first);
    const std::vector<LateCall> batch(begin, begin + qsizetype(std::min(perMessage, calls.size() - first)));
    for (QVariant& answer : CallTogether(batch)) answers.push_back(std::move(answer));
  }
  return answers;
}

}  // namespace trellis
