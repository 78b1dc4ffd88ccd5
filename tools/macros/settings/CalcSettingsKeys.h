#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace trellis::macros {

// How a setting is edited and stored: a flag is "0" or "1", a choice is the number of its item
// counted from 0, numbers carry a decimal comma.
enum class SettingKind { Flag, WholeNumber, Number, Choice };

// Where a setting lives. Most options are per-user settings the program copies into the
// project's settings file when it saves; a few are kept in the project's file only.
enum class SettingPlace { StoreAndFile, FileOnly };

// One value of the parameters dialog. Its caption, unit, choices and group are the Russian
// texts (the dialog matches groups by them); SettingText gives what the user reads.
struct CalcSetting {
  QString section;
  QString key;
  QString caption;
  QString unit;  // "" for a value without one
  SettingKind kind = SettingKind::Flag;
  SettingPlace place = SettingPlace::StoreAndFile;
  QString group;  // the dialog's group box
  // Numbers: the range, each bound included or not.
  double min = 0;
  double max = 0;
  bool minIncluded = true;
  bool maxIncluded = true;
  bool emptyAllowed = false;  // a number that may stay empty (the engine then takes 1)
  QStringList choices;
  QString defaultValue;

  // "Section/Key", the name the parameters editor knows the value by.
  QString Id() const { return section + u'/' + key; }
};

// The dialog's groups, in the order it shows them.
inline const QString kShowGroup =
    QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Показ результатов"));
inline const QString kCalcGroup = QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Расчет"));
inline const QString kCombinationGroup =
    QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Сочетания нагрузок"));
inline const QString kSchemeGroup =
    QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Расчетная схема"));
inline const QString kCadGroup =
    QStringLiteral(QT_TRANSLATE_NOOP("CalcSettings", "Программа САПР"));

// A caption, unit, choice or group of the settings in the user's language.
QString SettingText(const QString& text);

// Every setting the dialog edits, grouped, in the order the dialog shows them.
const std::vector<CalcSetting>& CalcSettings();
// Nullptr for an id no setting has.
const CalcSetting* FindCalcSetting(const QString& id);

// Why Text cannot be the setting's value, for the user; "" when it can. Numbers may have a
// decimal comma or a full stop.
QString RefusalOf(const CalcSetting& setting, const QString& text);
// An accepted text as it is written: numbers with a decimal comma and no trailing zeros.
QString StoredForm(const CalcSetting& setting, const QString& text);
// What the dialog shows for a stored text: the default for an empty one, and for a flag or a
// choice that the text does not name; a number's text as it is, so a wrong one is seen.
QString ShownForm(const CalcSetting& setting, const QString& stored);

}  // namespace trellis::macros
