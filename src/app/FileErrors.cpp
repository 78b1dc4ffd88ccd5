#include "app/FileErrors.h"

#include "app/Prompter.h"

#include <QCoreApplication>
#include <QString>

namespace trellis {
namespace {

struct FileErrorMessage {
  QString text;
  MessageButtons buttons;
  bool refusesName;  // the answer does not matter: the caller is told 4
};

bool FindMessage(int number, FileErrorMessage& message) {
  using B = MessageButtons;
  switch (number) {
    case 52:
    case 64:
      message = {QCoreApplication::translate("FileErrors", "Некорректное имя файла. "), B::OkCancel,
                 true};
      return true;
    case 54:
      message = {QCoreApplication::translate("FileErrors", " Нет доступа к файлу. "), B::Ok, false};
      return true;
    case 55:
      message = {QCoreApplication::translate("FileErrors", " Файл уже открыт. "), B::Ok, false};
      return true;
    case 57:
      message = {QCoreApplication::translate("FileErrors", " Внутренняя дисковая ошибка. "), B::Ok,
                 false};
      return true;
    case 61:
      message = {QCoreApplication::translate("FileErrors", " Диск полон. Продолжить? "),
                 B::AbortRetryIgnore, false};
      return true;
    case 62:
      message = {QCoreApplication::translate("FileErrors",
                                             " Этот файл имеет нестандартный маркер конца файла, "
                                             " или была  сделана попытка читать вне "
                                             " маркера конца файла. "),
                 B::AbortRetryIgnore, false};
      return true;
    case 68:
      message = {QCoreApplication::translate("FileErrors", " Дисковод не доступен. "),
                 B::RetryCancel, false};
      return true;
    case 71:
      message = {QCoreApplication::translate("FileErrors", " Вставьте диск в дисковод. "),
                 B::OkCancel, false};
      return true;
    case 75:
      message = {QCoreApplication::translate(
                     "FileErrors",
                     "Файл открыт другим приложением или некорректное имя файла или "
                     "попытка создать папку с уже существующим именем."),
                 B::OkCancel, true};
      return true;
    case 76:
      message = {QCoreApplication::translate("FileErrors", "Путь не существует. "), B::OkCancel,
                 false};
      return true;
    default: return false;
  }
}

int CodeOf(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
    case MessageAnswer::Retry: return 0;
    case MessageAnswer::Cancel:
    case MessageAnswer::Ignore: return 1;
    case MessageAnswer::Abort: return 2;
    default: return 3;
  }
}

}  // namespace

int FileErrors(int pendingErrorNumber, Prompter& prompter) {
  FileErrorMessage message;
  if (!FindMessage(pendingErrorNumber, message)) return 3;
  const MessageAnswer answer =
      prompter.Ask(Message{message.text, QCoreApplication::translate("FileErrors", "Ошибка"),
                           message.buttons, MessageIcon::Critical});
  return message.refusesName ? 4 : CodeOf(answer);
}

}  // namespace trellis
