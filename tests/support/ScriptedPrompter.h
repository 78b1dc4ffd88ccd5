#pragma once

#include "app/Prompter.h"

#include <deque>
#include <vector>

namespace trellis::test {

// Answers from a script and keeps every question, so tests check message texts word for word.
// With the script used up, a message gets its first button and a file dialog is cancelled.
class ScriptedPrompter : public Prompter {
 public:
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  void QueueFile(const QString& path) { files_.push_back(path); }

  MessageAnswer Ask(const Message& message) override;
  QString ChooseFile(const FileDialogRequest& request) override;

  const std::vector<Message>& Messages() const { return messages_; }
  const std::vector<FileDialogRequest>& FileRequests() const { return fileRequests_; }

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<QString> files_;
  std::vector<Message> messages_;
  std::vector<FileDialogRequest> fileRequests_;
};

}  // namespace trellis::test
