#include "ui/MainToolbar.h"

#include "project/RecentProjects.h"
#include "tables/Toolbar.h"

namespace trellis {

void BuildMainToolbar(Toolbar& toolbar) {
  struct Command {
    const char* key;
    const char16_t* tooltip;
    ButtonStyle style;
  };
  static const Command kCommands[] = {
      {"new", u"Новый расчет", ButtonStyle::Default},
      {"open", u"Открыть", ButtonStyle::DropDown},
      {"save", u"Сохранить", ButtonStyle::DropDown},
      {"add", u"Добавить строку", ButtonStyle::Default},
      {"del", u"Удалить строку", ButtonStyle::Default},
      {"edit", u"Изменить строку", ButtonStyle::Default},
      {"sort", u"Сортировка", ButtonStyle::Default},
      {"Arrow", u"Выбор объектов", ButtonStyle::Default},
      {"Show", u"Показать", ButtonStyle::Check},
      {"copy", u"Копировать", ButtonStyle::Default},
      {"cut", u"Вырезать", ButtonStyle::Default},
      {"paste", u"Вставить", ButtonStyle::Default},
      // Not among the classic buttons: taking back and doing again every change to the tables.
      {"undo", u"Отменить", ButtonStyle::Default},
      {"redo", u"Повторить", ButtonStyle::Default},
      {"Ex", u"Расчет", ButtonStyle::Default},
      {"Down", u"Нижние вкладки", ButtonStyle::Check},
      {"Prop", u"Параметры", ButtonStyle::Default},
      {"help", u"Справка", ButtonStyle::Default},
  };
  toolbar.Clear();
  for (const Command& command : kCommands) {
    ToolButton button;
    button.key = QString::fromLatin1(command.key);
    button.tooltip = QString::fromUtf16(command.tooltip);
    button.style = command.style;
    // The Prop button's picture is kept under the key "prop".
    button.image = button.key == QLatin1String("Prop") ? QStringLiteral("prop") : button.key;
    if (button.key == QLatin1String("open")) {
      for (int i = 1; i <= kRecentProjectCount; ++i) {
        button.menu.push_back(MenuItem{QStringLiteral("f%1").arg(i), QString(), false});
      }
    } else if (button.key == QLatin1String("save")) {
      button.menu = {MenuItem{QStringLiteral("saveas"), QStringLiteral("Сохранить как ..."), true},
                     MenuItem{QStringLiteral("arh"), QStringLiteral("Сохранить в архив ..."), true},
                     MenuItem{QStringLiteral("vb"), QStringLiteral("Экспорт в VB программу"), true}};
    }
    toolbar.Add(button);
  }
}

}  // namespace trellis
