#include "support/ScriptedPrompter.h"

namespace trellis::test {
namespace {

MessageAnswer FirstButton(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return MessageAnswer::Ok;
    case MessageButtons::AbortRetryIgnore: return MessageAnswer::Abort;
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNo: return MessageAnswer::Yes;
    case MessageButtons::RetryCancel: return MessageAnswer::Retry;
  }
  return MessageAnswer::None;
}

}  // namespace

MessageAnswer ScriptedPrompter::Ask(const Message& message) {
  messages_.push_back(message);
  if (answers_.empty()) return FirstButton(message.buttons);
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

QString ScriptedPrompter::ChooseFile(const FileDialogRequest& request) {
  fileRequests_.push_back(request);
  if (files_.empty()) return QString();
  const QString path = files_.front();
  files_.pop_front();
  return path;
}

}  // namespace trellis::test
