#pragma once

#include "automation/Dispatch.h"
#include "tables/TableContext.h"

#include <QString>

namespace trellis {

class Activator;
class CadConnection;
class CadWindow;

// The one macro object the program holds, kept between calls of the same ProgID.
class MacroCache {
 public:
  // The object of ProgId: the one held when it is of that class, else a running instance,
  // else a new one. Throws AutomationError when none can be had.
  DispatchRef ObjectFor(Activator& activator, const QString& progId);
  // Sets the held object's "StopEx" to True: its only notice that the user asked it to stop.
  void RequestStop();
  void Release();

 private:
  DispatchRef object_;
  QString className_;
};

// What a macro call works with and hands on: the program folder, the working folder, the
// project base name, the main window object and the CAD document.
struct MacroContext {
  TableContext tables;
  Activator& activator;
  CadConnection& cad;
  CadWindow& window;
  MacroCache& cache;
  DispatchRef mainWindowObject;
};

// Calls Method of the macro class ProgId with the five standard arguments, after writing the
// current table to its working file so the macro reads the data as shown. A macro may change
// the base name (third argument). Nothing that fails in here is reported or passed on.
void RunTableMacro(MacroContext& ctx, const QString& progId, const QString& method);

// Runs "ProgID;Method|…" item by item, or switches the layers of "layer=Name;Name…" on or off
// (ButtonNumber names the left toolbar button whose AddLayerMacros may create a missing one).
void RunActionString(MacroContext& ctx, const QString& spec, bool switchOn = false,
                     int buttonNumber = 0);

// Runs the macro list under Key (MacrosStart, MacrosAdd, MacrosDel, MacrosSel) of the current
// table in Tables.ini.
void RunTableHook(MacroContext& ctx, const QString& key);

// Runs the Macros of Section in Buttons.ini, then opens its File when that exists.
void RunButtonsIniSection(MacroContext& ctx, const QString& section);

void SwitchLayer(MacroContext& ctx, const QString& name, bool switchOn, int buttonNumber);
bool LayerExists(const CadConnection& cad, const QString& name);

}  // namespace trellis
