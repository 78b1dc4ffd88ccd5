#include "tables/ColumnSpec.h"

#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "tables/InstallationFiles.h"

#include <algorithm>
#include <cmath>

namespace trellis {
namespace {

EditorKind DeriveEditorKind(const ColumnSpec& c) {
  // A later rule overrides an earlier one.
  EditorKind kind = EditorKind::TextBox;
  if (!c.list.isEmpty() && c.listBmp.isEmpty()) {
    kind = c.edit == QLatin1String("-") ? EditorKind::DropDownList : EditorKind::EditableCombo;
  }
  if (!c.list.isEmpty() && !c.listBmp.isEmpty()) kind = EditorKind::ImageCombo;
  if (!c.source.isEmpty()) kind = EditorKind::ValueListPopup;
  if (c.type == QLatin1String("b")) kind = EditorKind::CheckBox;
  if (c.type == QLatin1String("o")) kind = EditorKind::Option;
  return kind;
}

// About 1.8 m: wider than any screen, and small enough that sums of widths and conversions to
// pixels stay far from overflowing.
constexpr double kMaxWidthTwips = 100000;

int DeriveWidth(const QString& w) {
  const auto twips = ParseLocaleNumber(w);
  if (!twips || std::isnan(*twips)) return 0;
  // A number too big for any column (even beyond 32 bits) asks for the widest one; the rules
  // leave such numbers open. Rounded half to even, as whole numbers are read.
  return int(std::min(std::nearbyint(std::fabs(*twips)), kMaxWidthTwips)) - 1;
}

}  // namespace

QString ColumnSpec::HeaderText() const {
  QString shown = name;
  shown.replace(u'_', u' ');
  return measure.isEmpty() ? shown + u' ' : shown + QStringLiteral(", ") + measure + u' ';
}

std::vector<ColumnSpec> ReadColumnSpecs(IniFiles& ini, const QString& descriptionFile) {
  std::vector<ColumnSpec> columns;
  QString click;
  for (int k = 1; k <= kMaxColumns; ++k) {
    const QString section = ColumnSection(k);
    ColumnSpec c;
    c.name = ini.ReadIni(section, u"Name", descriptionFile);
    if (c.name.isEmpty()) break;
    c.measure = ini.ReadIni(section, u"Measure", descriptionFile);
    c.type = ini.ReadIni(section, u"Type", descriptionFile);
    c.list = ini.ReadIni(section, u"List", descriptionFile);
    c.listBmp = ini.ReadIni(section, u"ListBmp", descriptionFile);
    c.var = ini.ReadIni(section, u"Var", descriptionFile);
    c.edit = ini.ReadIni(section, u"Edit", descriptionFile);
    c.source = ini.ReadIni(section, u"Source", descriptionFile);
    c.icon = ini.ReadIni(section, u"Icon", descriptionFile);
    c.index = ini.ReadIni(section, u"Index", descriptionFile);
    const QString ownClick = ini.ReadIni(section, u"Click", descriptionFile);
    if (!ownClick.isEmpty()) click = ownClick;
    c.click = click;
    c.editorKind = DeriveEditorKind(c);
    c.editable = c.edit != QLatin1String("-") && c.type != QLatin1String("i") &&
                 c.type != QLatin1String("o") && c.type != QLatin1String("b");
    c.width = DeriveWidth(ini.ReadIni(section, u"w", descriptionFile));
    c.number = ini.ReadIni(section, u"Number", descriptionFile) == QLatin1String("1");
    columns.push_back(std::move(c));
  }
  return columns;
}

QString ColumnSection(int k) { return QStringLiteral("F%1").arg(k); }

int ColumnWithVar(IniFiles& ini, const QString& descriptionFile, int columns, const QString& var) {
  for (int k = 1; k <= columns; ++k) {
    if (ini.ReadIni(ColumnSection(k), u"Var", descriptionFile) == var) return k;
  }
  return columns + 1;
}

int ColumnCount(IniFiles& ini, const QString& descriptionFile) {
  int k = 1;
  while (k <= kMaxColumns && !ini.ReadIni(ColumnSection(k), u"Name", descriptionFile).isEmpty()) ++k;
  return k - 1;
}

void TakeOverSourceLists(IniFiles& ini, const QString& installationFolder,
                         std::vector<ColumnSpec>& columns) {
  for (ColumnSpec& c : columns) {
    if (c.source.isEmpty()) continue;
    const QString sourceFile = DescriptionFilePath(installationFolder, c.source);
    const int count = ColumnCount(ini, sourceFile);
    const int k = ColumnWithVar(ini, sourceFile, count, c.var);
    if (k <= count) {
      c.list = ini.ReadIni(ColumnSection(k), u"List", sourceFile);
      c.listBmp = ini.ReadIni(ColumnSection(k), u"ListBmp", sourceFile);
    }
  }
}

}  // namespace trellis
