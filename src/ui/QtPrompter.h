#pragma once

#include "app/Prompter.h"

class QWidget;

namespace trellis {

// Asks the user with the platform's standard message box and file dialog.
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer Ask(const Message& message) override;
  QString ChooseFile(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace trellis
