#pragma once

// Pieces of generated module text written out by hand, character for character.

namespace trellis::test {

// AddAllArr up to and including the SetPath line, for the project "Hall".
inline constexpr char kAddAllArrStartHall[] =
    "Public Sub AddAllArr()\r\n"
    "\t\r\n"
    "\tAddSettings\r\n"
    "\t\r\n"
    "\tIf Api Is Nothing Then Set Api = New ksfemapi.main\r\n"
    "\t\r\n"
    "\tif Not DirExists (App.Path & \"\\temp\") Then MkDir App.Path & \"\\temp\"\r\n"
    "\tApi.SetPath KSPath, App.Path & \"\\temp\", \"Hall\", Me\r\n";

inline constexpr char kAddAllArrEnd[] =
    "\tApi.Calc\r\n"
    "\tApi.GetArrZ ArrZ\r\n"
    "\tApi.GetArrNM ArrNM\r\n"
    "\tApi.GetArrQ ArrQ\r\n"
    "End Sub\r\n";

// AddSettings of a project without a settings file.
inline constexpr char kDefaultSettings[] =
    "Public Sub AddSettings()\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"AfterCalc\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"All3D\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"CorectMkp\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"DesignLoad\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"FndNL\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"Gf\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"GNL\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"Iter\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"IterMax\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"KC09\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"KC1\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"KCNorm\", \"\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"Mkp\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"MPL\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"PhNL\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"PL\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"Prop\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"Psi\", \"0\"\r\n"
    "\tSaveSetting \"Trellis\", \"Calc\", \"XYZ\", \"0\"\r\n"
    "End Sub\r\n";

}  // namespace trellis::test
