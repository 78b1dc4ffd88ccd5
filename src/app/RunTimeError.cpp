#include "app/RunTimeError.h"

#include "app/FilePaths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>

namespace trellis {

RunTimeError::RunTimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {}

RunTimeError RunTimeError::FromSystem(std::error_code error, const QString& path) {
  const int number = FileErrorNumber(error, path);
  return RunTimeError(number, FileErrorDescription(number));
}

int FileErrorNumber(std::error_code error, const QString& path) {
  if (!error) return 0;
  if (error.category() != std::generic_category() && error.category() != std::system_category()) {
    return 75;
  }
  switch (error.value()) {
    case ENOENT: {
      const QString folder = ParentFolder(path);
      return folder.isEmpty() || QFileInfo(folder).isDir() ? 53 : 76;
    }
    case ENOTDIR: return 76;
    case EBADF: return 52;
    case EIO: return 57;
    case EEXIST: return 58;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61;
    case ENAMETOOLONG:
    case EINVAL: return 64;
    case EMFILE:
    case ENFILE: return 67;
    case ENODEV:
    case ENXIO: return 68;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
    case ENOLCK:
    case EROFS:
    case EACCES:
    case EPERM: return 70;
    case ENOMEDIUM: return 71;
    case EXDEV: return 74;
    case EISDIR:
    case ENOTEMPTY: return 75;
    default: return 75;
  }
}

QString FileErrorDescription(int number) {
  switch (number) {
    case 52:
      return QCoreApplication::translate("RunTimeError", "Неверное имя или номер файла");
    case 53:
      return QCoreApplication::translate("RunTimeError", "Файл не найден");
    case 54:
      return QCoreApplication::translate("RunTimeError", "Неверный режим работы с файлом");
    case 55:
      return QCoreApplication::translate("RunTimeError", "Файл уже открыт");
    case 57:
      return QCoreApplication::translate("RunTimeError", "Ошибка ввода-вывода устройства");
    case 58:
      return QCoreApplication::translate("RunTimeError", "Файл уже существует");
    case 61:
      return QCoreApplication::translate("RunTimeError", "Диск заполнен");
    case 62:
      return QCoreApplication::translate("RunTimeError", "Ввод за концом файла");
    case 64:
      return QCoreApplication::translate("RunTimeError", "Неверное имя файла");
    case 67:
      return QCoreApplication::translate("RunTimeError", "Слишком много файлов");
    case 68:
      return QCoreApplication::translate("RunTimeError", "Устройство недоступно");
    case 70:
      return QCoreApplication::translate("RunTimeError", "Отказано в доступе");
    case 71:
      return QCoreApplication::translate("RunTimeError", "Диск не готов");
    case 74:
      return QCoreApplication::translate("RunTimeError",
                                         "Нельзя переименовать файл на другой диск");
    case 75:
      return QCoreApplication::translate("RunTimeError", "Ошибка доступа к пути или файлу");
    case 76:
      return QCoreApplication::translate("RunTimeError", "Путь не найден");
    default:
      return QCoreApplication::translate("RunTimeError", "Ошибка файловой системы");
  }
}

QString DescriptionOf(const std::exception& error) {
  if (const auto* runTime = dynamic_cast<const RunTimeError*>(&error)) return runTime->Description();
  return QString::fromLocal8Bit(error.what());
}

}  // namespace trellis
