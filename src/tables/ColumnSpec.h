#pragma once

#include <QString>

#include <vector>

namespace trellis {

class IniFiles;

// The editor a column's cells get.
enum class EditorKind : int {
  TextBox = 0,
  EditableCombo = 1,
  DropDownList = 2,
  ImageCombo = 3,
  CheckBox = 4,
  Option = 5,
  ValueListPopup = 6,
};

// One data column of a table, read from section F<k> of its column description file.
struct ColumnSpec {
  QString name;     // as written, with "_" for spaces
  QString measure;
  QString type;     // "i" identifier, "b" check box, "o" option, else free text
  QString list;     // items separated by "|"
  QString listBmp;  // image names parallel to list
  QString var;
  QString edit;     // "-": not editable in place
  QString source;   // key of the table the column refers to
  QString click;    // action string, carried over from the previous column when empty
  QString icon;
  QString index;    // link group, compared as text
  EditorKind editorKind = EditorKind::TextBox;
  bool editable = true;
  int width = 0;    // |w| - 1: -1 hidden, 0 automatic, else twips - 1
  bool number = false;  // "Number=1": a quantity without a unit, such as a coefficient

  bool IsIdentifier() const { return type == QLatin1String("i"); }
  // An identifier the user types as text ("№"): numbered for new rows, never pasted over,
  // cleared or cut.
  bool IsNumbered() const {
    return IsIdentifier() && (editorKind == EditorKind::TextBox || editorKind == EditorKind::EditableCombo);
  }
  // The column holds numbers: identifiers (whole numbers), measured quantities and columns
  // marked "Number=1". Chosen so that description files without the mark still get their
  // measured columns checked and pasted as numbers.
  bool HoldsNumbers() const {
    return (IsIdentifier() && editorKind == EditorKind::TextBox) || number ||
           (!measure.isEmpty() && editorKind == EditorKind::TextBox);
  }
  // "Name, Measure " or "Name ", with "_" shown as spaces.
  QString HeaderText() const;
};

// The columns of a description file: sections F1, F2, ... up to the first without a Name,
// at most 20, each derived in order (editor kind, editability, width, carried-over Click).
std::vector<ColumnSpec> ReadColumnSpecs(IniFiles& ini, const QString& descriptionFile);

// Section F<k> of a column description file: column k.
QString ColumnSection(int k);

// The first of the first Columns columns of a description file whose Var equals Var, or
// Columns + 1 when none does.
int ColumnWithVar(IniFiles& ini, const QString& descriptionFile, int columns, const QString& var);

// The number of consecutive F<k> sections with a Name, counted from F1 (at most 20).
int ColumnCount(IniFiles& ini, const QString& descriptionFile);

// Columns that refer to a Source table show that table's list and pictures: List and ListBmp
// are taken from the source column with the same Var, when there is one.
void TakeOverSourceLists(IniFiles& ini, const QString& installationFolder,
                         std::vector<ColumnSpec>& columns);

inline constexpr int kMaxColumns = 20;

}  // namespace trellis
