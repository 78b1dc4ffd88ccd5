#include "macros/MainWindowCalls.h"

namespace trellis::macros {

void MainWindowCalls::Call(const QString& member, QVariantList args) {
  if (window_) window_->Invoke(member, args);
}

void MainWindowCalls::Status(const QString& text) {
  if (window_) window_->Set(QStringLiteral("StatusText"), text);
}

void MainWindowCalls::ClearErrors() { Call(QStringLiteral("ClearErrors"), {}); }

void MainWindowCalls::AddError(const QString& message, const QString& tableKey, int row, int column) {
  Call(QStringLiteral("AddError"), {message, tableKey, row, column});
}

void MainWindowCalls::ShowErrors() { Call(QStringLiteral("ShowErrors"), {}); }

void MainWindowCalls::Report(const QString& line) { Call(QStringLiteral("Report"), {line}); }

void MainWindowCalls::Message(const QString& text) { Call(QStringLiteral("Message"), {text}); }

void MainWindowCalls::TablesChanged() { Call(QStringLiteral("TablesChanged"), {}); }

void MainWindowCalls::MarkUnsaved() {
  if (window_) window_->Set(QStringLiteral("ProjectSaved"), false);
}

}  // namespace trellis::macros
