#include "ui/MainToolbar.h"

#include "project/RecentProjects.h"
#include "tables/Toolbar.h"

#include <QCoreApplication>

namespace trellis {

void BuildMainToolbar(Toolbar& toolbar) {
  struct Command {
    const char* key;
    const char* tooltip;  // translated when the button is made
    ButtonStyle style;
  };
  static const Command kCommands[] = {
      {"new", QT_TRANSLATE_NOOP("MainToolbar", "Новый расчет"), ButtonStyle::Default},
      {"open", QT_TRANSLATE_NOOP("MainToolbar", "Открыть"), ButtonStyle::DropDown},
      {"save", QT_TRANSLATE_NOOP("MainToolbar", "Сохранить"), ButtonStyle::DropDown},
      {"add", QT_TRANSLATE_NOOP("MainToolbar", "Добавить строку"), ButtonStyle::Default},
      {"del", QT_TRANSLATE_NOOP("MainToolbar", "Удалить строку"), ButtonStyle::Default},
      {"edit", QT_TRANSLATE_NOOP("MainToolbar", "Изменить строку"), ButtonStyle::Default},
      {"sort", QT_TRANSLATE_NOOP("MainToolbar", "Сортировка"), ButtonStyle::DropDown},
      {"Arrow", QT_TRANSLATE_NOOP("MainToolbar", "Выбор объектов"), ButtonStyle::Default},
      {"Show", QT_TRANSLATE_NOOP("MainToolbar", "Показать"), ButtonStyle::Check},
      {"copy", QT_TRANSLATE_NOOP("MainToolbar", "Копировать"), ButtonStyle::Default},
      {"cut", QT_TRANSLATE_NOOP("MainToolbar", "Вырезать"), ButtonStyle::Default},
      {"paste", QT_TRANSLATE_NOOP("MainToolbar", "Вставить"), ButtonStyle::Default},
      // Not among the classic buttons: taking back and doing again every change to the tables.
      {"undo", QT_TRANSLATE_NOOP("MainToolbar", "Отменить"), ButtonStyle::Default},
      {"redo", QT_TRANSLATE_NOOP("MainToolbar", "Повторить"), ButtonStyle::Default},
      {"Ex", QT_TRANSLATE_NOOP("MainToolbar", "Расчет"), ButtonStyle::Default},
      {"Down", QT_TRANSLATE_NOOP("MainToolbar", "Нижние вкладки"), ButtonStyle::Check},
      {"Prop", QT_TRANSLATE_NOOP("MainToolbar", "Параметры"), ButtonStyle::Default},
      {"help", QT_TRANSLATE_NOOP("MainToolbar", "Справка"), ButtonStyle::Default},
  };
  toolbar.Clear();
  for (const Command& command : kCommands) {
    ToolButton button;
    button.key = QString::fromLatin1(command.key);
    button.tooltip = QCoreApplication::translate("MainToolbar", command.tooltip);
    button.style = command.style;
    // The Prop button's picture is kept under the key "prop".
    button.image = button.key == QLatin1String("Prop") ? QStringLiteral("prop") : button.key;
    if (button.key == QLatin1String("open")) {
      for (int i = 1; i <= kRecentProjectCount; ++i) {
        button.menu.push_back(MenuItem{QStringLiteral("f%1").arg(i), QString(), false});
      }
    } else if (button.key == QLatin1String("sort")) {
      // Not in the classic toolbar: both orders at hand; the button itself sorts as it did.
      button.menu = {
          MenuItem{QStringLiteral("sortasc"), QCoreApplication::translate("MainToolbar", "По возрастанию"), true},
          MenuItem{QStringLiteral("sortdesc"), QCoreApplication::translate("MainToolbar", "По убыванию"), true}};
    } else if (button.key == QLatin1String("save")) {
      button.menu = {
          MenuItem{QStringLiteral("saveas"),
                   QCoreApplication::translate("MainToolbar", "Сохранить как ..."), true},
          MenuItem{QStringLiteral("arh"),
                   QCoreApplication::translate("MainToolbar", "Сохранить в архив ..."), true},
          MenuItem{QStringLiteral("vb"),
                   QCoreApplication::translate("MainToolbar", "Экспорт в VB программу"), true}};
    }
    toolbar.Add(button);
  }
}

}  // namespace trellis
