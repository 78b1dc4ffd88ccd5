#include "ui/QtPrompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace trellis {
namespace {

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Abort: return MessageAnswer::Abort;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    case QMessageBox::Ignore: return MessageAnswer::Ignore;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::None;
  }
}

// "Text|*.a;*.b|Other (*.c)|*.c" becomes "Text (*.a *.b);;Other (*.c)": Qt takes the patterns
// from the parentheses, which a description may already show.
QString QtFilterOf(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = u'(' + QString(parts[i + 1]).replace(u';', u' ') + u')';
    filters << (parts[i].endsWith(patterns) ? parts[i] : parts[i] + u' ' + patterns);
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace

MessageAnswer QtPrompter::Ask(const Message& message) {
  // An empty caption would show the application's name instead: a blank keeps it empty.
  const QString caption = message.caption.isEmpty() ? QStringLiteral(" ") : message.caption;
  QMessageBox box(IconOf(message.icon), caption, message.text, ButtonsOf(message.buttons), parent_);
  return AnswerOf(box.exec());
}

QString QtPrompter::ChooseFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, request.caption, request.initialFolder, QtFilterOf(request.filter));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

}  // namespace trellis
