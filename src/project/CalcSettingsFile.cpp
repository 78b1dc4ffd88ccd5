#include "project/CalcSettingsFile.h"

#include "app/AppIdentity.h"
#include "app/IniFiles.h"
#include "app/SettingsStore.h"
#include "app/IniSettingTransfer.h"

#include <QStringView>

#include <vector>

namespace trellis {
namespace {

struct CalcOption {
  QStringView section;
  QStringView key;
};

constexpr CalcOption kCalcOptions[] = {
    {u"Show", u"Operation"},  {u"Show", u"GrafScale"},   {u"Show", u"Points"},
    {u"Show", u"TextScale"},  {u"Show", u"TextScale2"},  {u"Show", u"TextScale3"},
    {u"Show", u"WithElSize"}, {u"Show", u"WithElSize2"}, {u"Calc", u"MPL"},
    {u"Calc", u"PL"},         {u"Calc", u"All3D"},       {u"Calc", u"Psi"},
    {u"Calc", u"Prop"},       {u"Calc", u"Iter"},        {u"Calc", u"GNL"},
    {u"Calc", u"PhNL"},       {u"Calc", u"DesignLoad"},  {u"Calc", u"KC1"},
    {u"Calc", u"KC09"},       {u"Calc", u"Mkp"},         {u"Calc", u"IterMax"},
    {u"Calc", u"XYZ"},        {u"Calc", u"CorectMkp"},
};

}  // namespace

std::error_code WriteCalcSettings(IniFiles& ini, SettingsStore& settings, const QString& file) {
  // One write of the file for all the options: a save stays one durable write, not 23.
  std::vector<IniFiles::IniValue> values;
  for (const CalcOption& option : kCalcOptions) {
    values.push_back({option.section, option.key, settings.GetSetting(ProgramTitle(), option.section, option.key)});
  }
  if (ini.WriteIniValues(values, file)) return {};
  return ini.LastWriteError() ? ini.LastWriteError() : std::make_error_code(std::errc::io_error);
}

void ReadCalcSettings(IniFiles& ini, SettingsStore& settings, const QString& file) {
  for (const CalcOption& option : kCalcOptions) {
    IniToSetting(ini, settings, option.section, option.key, file);
  }
}

}  // namespace trellis
