#include "macros/settings/CalcSettingsKeys.h"

#include "macros/CellValues.h"
#include "macros/settings/ProjectSettingsFile.h"

#include <QCoreApplication>

#include <cmath>

namespace trellis::macros {

namespace {

// Enough digits for the finest value the dialog takes (the node tolerance's 0,000001) and few
// enough that a typed 0,15 does not come back with binary noise.
constexpr int kWrittenDecimals = 10;

const QString kShow = QStringLiteral("Show");
const QString kCalc = QStringLiteral("Calc");
const QString kMetres = QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "м"));

CalcSetting Flag(const QString& section, const QString& key, const char* caption,
                 const QString& group, bool set, SettingPlace place = SettingPlace::StoreAndFile) {
  CalcSetting s;
  s.section = section;
  s.key = key;
  s.caption = QString::fromUtf8(caption);
  s.kind = SettingKind::Flag;
  s.place = place;
  s.group = group;
  s.defaultValue = set ? QStringLiteral("1") : QStringLiteral("0");
  return s;
}

struct Range {
  double min;
  double max;
  bool minIncluded = true;
};

CalcSetting Number(const QString& section, const QString& key, const char* caption,
                   const QString& unit, const QString& group, Range range,
                   const QString& defaultValue, SettingPlace place = SettingPlace::StoreAndFile) {
  CalcSetting s;
  s.section = section;
  s.key = key;
  s.caption = QString::fromUtf8(caption);
  s.unit = unit;
  s.kind = SettingKind::Number;
  s.place = place;
  s.group = group;
  s.min = range.min;
  s.max = range.max;
  s.minIncluded = range.minIncluded;
  s.defaultValue = defaultValue;
  return s;
}

CalcSetting Whole(const QString& section, const QString& key, const char* caption,
                  const QString& group, Range range, const QString& defaultValue) {
  CalcSetting s = Number(section, key, caption, QString(), group, range, defaultValue);
  s.kind = SettingKind::WholeNumber;
  return s;
}

std::vector<CalcSetting> MakeSettings() {
  using P = SettingPlace;
  const Range positiveUpTo10{0, 10, false};
  const Range share{0, 1};
  std::vector<CalcSetting> all;

  CalcSetting operation;
  operation.section = kShow;
  operation.key = QStringLiteral("Operation");
  operation.caption =
      QString::fromUtf8(QT_TRANSLATE_NOOP("CalcSettings", "Показывать после расчета"));
  operation.kind = SettingKind::Choice;
  operation.group = kShowGroup;
  operation.choices = {QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Деформированная схема")),
                       QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Эпюры моментов M")),
                       QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Эпюры продольных сил N")),
                       QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Эпюры поперечных сил Q"))};
  operation.defaultValue = QStringLiteral("1");
  all.push_back(operation);
  // Which load case the drawing shows after a calculation, by its number (empty: the first).
  CalcSetting shownCase =
      Whole(kShow, QStringLiteral("ResultCase"),
            QT_TRANSLATE_NOOP("CalcSettings", "Загружение, показываемое на чертеже"), kShowGroup,
            {1, 1e9}, QString());
  shownCase.place = P::FileOnly;
  shownCase.emptyAllowed = true;
  all.push_back(shownCase);
  all.push_back(Number(kShow, QStringLiteral("GrafScale"),
                       QT_TRANSLATE_NOOP("CalcSettings", "Масштаб эпюр и перемещений"), QString(),
                       kShowGroup, {0, 1000, false}, QStringLiteral("1")));
  all.push_back(Flag(kShow, QStringLiteral("Points"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Показывать узлы точками"), kShowGroup,
                     true));
  all.push_back(Number(kShow, QStringLiteral("TextScale"),
                       QT_TRANSLATE_NOOP("CalcSettings", "Высота номеров узлов"), kMetres,
                       kShowGroup, positiveUpTo10, QStringLiteral("0,15")));
  all.push_back(Number(kShow, QStringLiteral("TextScale2"),
                       QT_TRANSLATE_NOOP("CalcSettings", "Высота номеров элементов"), kMetres,
                       kShowGroup, positiveUpTo10, QStringLiteral("0,15")));
  all.push_back(Number(kShow, QStringLiteral("TextScale3"),
                       QT_TRANSLATE_NOOP("CalcSettings", "Высота подписей нагрузок и результатов"),
                       kMetres, kShowGroup, positiveUpTo10, QStringLiteral("0,15")));
  all.push_back(Flag(kShow, QStringLiteral("WithElSize"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Подписывать длины элементов"), kShowGroup,
                     false));
  all.push_back(Flag(kShow, QStringLiteral("WithElSize2"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Подписывать значения на эпюрах"),
                     kShowGroup, true));

  all.push_back(Flag(kCalc, QStringLiteral("GNL"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Геометрическая нелинейность"), kCalcGroup,
                     false));
  all.push_back(
      Flag(kCalc, QStringLiteral("PhNL"),
           QT_TRANSLATE_NOOP("CalcSettings", "Физическая нелинейность (по диаграммам материалов)"),
           kCalcGroup, false));
  all.push_back(Flag(kCalc, QStringLiteral("FndNL"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Нелинейная работа основания"), kCalcGroup,
                     false, P::FileOnly));
  all.push_back(Whole(kCalc, QStringLiteral("Iter"),
                      QT_TRANSLATE_NOOP("CalcSettings", "Число шагов нагружения"), kCalcGroup,
                      {1, 1000}, QStringLiteral("10")));
  all.push_back(Whole(kCalc, QStringLiteral("IterMax"),
                      QT_TRANSLATE_NOOP("CalcSettings", "Наибольшее число итераций на шаге"),
                      kCalcGroup, {1, 10000}, QStringLiteral("50")));
  all.push_back(Number(kCalc, QStringLiteral("Prop"),
                       QT_TRANSLATE_NOOP("CalcSettings", "Точность итераций (относительная)"),
                       QString(), kCalcGroup, {0, 0.1, false}, QStringLiteral("0,001")));
  all.push_back(Flag(kCalc, QStringLiteral("PL"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Расчет до исчерпания несущей способности"),
                     kCalcGroup, false));
  all.push_back(Number(kCalc, QStringLiteral("MPL"),
                       QT_TRANSLATE_NOOP("CalcSettings", "Наибольший множитель нагрузки"),
                       QString(), kCalcGroup, {1, 100}, QStringLiteral("3")));

  all.push_back(
      Flag(kCalc, QStringLiteral("DesignLoad"),
           QT_TRANSLATE_NOOP("CalcSettings", "Расчетные нагрузки (с коэффициентами надежности)"),
           kCombinationGroup, false));
  all.push_back(Number(
      kCalc, QStringLiteral("Gf"),
      QT_TRANSLATE_NOOP("CalcSettings", "Коэффициент надежности по нагрузке для собственного веса"),
      QString(), kCombinationGroup, {0.5, 2}, QStringLiteral("1,1"), P::FileOnly));
  all.push_back(Number(
      kCalc, QStringLiteral("Psi"),
      QT_TRANSLATE_NOOP("CalcSettings",
                        "Коэффициент сочетания ψ для длительных нагрузок в особом сочетании"),
      QString(), kCombinationGroup, share, QStringLiteral("0,95")));
  all.push_back(Number(
      kCalc, QStringLiteral("KC1"),
      QT_TRANSLATE_NOOP("CalcSettings", "Коэффициент сочетания при одной кратковременной нагрузке"),
      QString(), kCombinationGroup, share, QStringLiteral("1")));
  all.push_back(
      Number(kCalc, QStringLiteral("KC09"),
             QT_TRANSLATE_NOOP("CalcSettings",
                               "Коэффициент сочетания при нескольких кратковременных нагрузках"),
             QString(), kCombinationGroup, share, QStringLiteral("0,9")));
  CalcSetting normative =
      Number(kCalc, QStringLiteral("KCNorm"),
             QT_TRANSLATE_NOOP("CalcSettings", "Коэффициент нормативного сочетания (пусто — 1)"),
             QString(), kCombinationGroup, share, QString(), P::FileOnly);
  normative.emptyAllowed = true;
  all.push_back(normative);

  all.push_back(
      Flag(kCalc, QStringLiteral("All3D"),
           QT_TRANSLATE_NOOP("CalcSettings",
                             "Пространственный расчет (иначе — плоская рама в плоскости XZ)"),
           kSchemeGroup, true));
  all.push_back(Flag(kCalc, QStringLiteral("XYZ"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Перемещения в глобальных осях"),
                     kSchemeGroup, true));
  all.push_back(Flag(kCalc, QStringLiteral("Mkp"),
                     QT_TRANSLATE_NOOP("CalcSettings", "Учитывать кручение элементов"),
                     kSchemeGroup, true));
  all.push_back(
      Flag(kCalc, QStringLiteral("CorectMkp"),
           QT_TRANSLATE_NOOP("CalcSettings", "Снижать крутильную жесткость бетонных элементов"),
           kSchemeGroup, false));
  all.push_back(Number(kToleranceSection, kToleranceKey,
                       QT_TRANSLATE_NOOP("CalcSettings", "Допуск совпадения узлов"), kMetres,
                       kSchemeGroup, {kMinTolerance, kMaxTolerance},
                       NumberCell(kDefaultTolerance, kWrittenDecimals), P::FileOnly));
  return all;
}

QString Bound(double value) {
  return NumberCell(value, kWrittenDecimals);
}

QString RangeRefusal(const CalcSetting& s) {
  const QString what = s.kind == SettingKind::WholeNumber
                           ? QCoreApplication::translate("CalcSettings", "Целое число")
                           : QCoreApplication::translate("CalcSettings", "Число");
  if (s.minIncluded)
    return QCoreApplication::translate("CalcSettings", "%1 должно быть от %2 до %3")
        .arg(what, Bound(s.min), Bound(s.max));
  return QCoreApplication::translate("CalcSettings", "%1 должно быть больше %2 и не больше %3")
      .arg(what, Bound(s.min), Bound(s.max));
}

bool InRange(const CalcSetting& s, double value) {
  const bool aboveMin = s.minIncluded ? value >= s.min : value > s.min;
  return aboveMin && value <= s.max;
}

// Flags written by other programs of the family may read "-1" or "True".
std::optional<bool> FlagOf(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  if (const auto number = CellNumber(t)) return *number != 0;
  return std::nullopt;
}

}  // namespace

const std::vector<CalcSetting>& CalcSettings() {
  static const std::vector<CalcSetting> all = MakeSettings();
  return all;
}

const CalcSetting* FindCalcSetting(const QString& id) {
  for (const CalcSetting& s : CalcSettings()) {
    if (s.Id() == id) return &s;
  }
  return nullptr;
}

QString RefusalOf(const CalcSetting& s, const QString& text) {
  const QString t = text.trimmed();
  switch (s.kind) {
    case SettingKind::Flag:
      if (t == u'0' || t == u'1') return QString();
      return QCoreApplication::translate("CalcSettings", "Значение флажка должно быть 0 или 1");
    case SettingKind::Choice: {
      const auto index = CellWholeNumber(t);
      if (t.size() == 1 && index && *index >= 0 && *index < s.choices.size()) return QString();
      return QCoreApplication::translate("CalcSettings", "Выберите одно из значений списка");
    }
    case SettingKind::WholeNumber:
    case SettingKind::Number:
      break;
  }
  if (t.isEmpty()) {
    return s.emptyAllowed ? QString()
                          : QCoreApplication::translate("CalcSettings", "Введите значение");
  }
  const auto number = CellNumber(t);
  if (!number) return QCoreApplication::translate("CalcSettings", "Введите число");
  if (s.kind == SettingKind::WholeNumber && std::floor(*number) != *number) {
    return QCoreApplication::translate("CalcSettings", "Введите целое число");
  }
  if (!InRange(s, *number)) return RangeRefusal(s);
  return QString();
}

QString StoredForm(const CalcSetting& s, const QString& text) {
  const QString t = text.trimmed();
  if (s.kind == SettingKind::Flag || s.kind == SettingKind::Choice || t.isEmpty()) return t;
  const auto number = CellNumber(t);
  return number ? NumberCell(*number, kWrittenDecimals) : t;
}

QString ShownForm(const CalcSetting& s, const QString& stored) {
  const QString t = stored.trimmed();
  if (t.isEmpty()) return s.defaultValue;
  switch (s.kind) {
    case SettingKind::Flag: {
      const auto set = FlagOf(t);
      if (!set) return s.defaultValue;
      return *set ? QStringLiteral("1") : QStringLiteral("0");
    }
    case SettingKind::Choice: {
      const auto index = CellWholeNumber(t);
      if (!index || *index < 0 || *index >= s.choices.size()) return s.defaultValue;
      return QString::number(*index);
    }
    case SettingKind::WholeNumber:
    case SettingKind::Number:
      return t;
  }
  return t;
}

QString SettingText(const QString& text) {
  return QCoreApplication::translate("CalcSettings", text.toUtf8().constData());
}

}  // namespace trellis::macros
