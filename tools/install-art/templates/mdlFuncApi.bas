Attribute VB_Name = "mdlFuncApi"
Option Explicit

' Names shared by the form and the routines that Trellis generates from the project's tables.

Public Api As ksfemapi.main      ' the calculation engine, created by AddAllArr
Public KSPath As String          ' folder of the engine and its data
Public ArrZ As Variant           ' node displacements, indexed (column, row)
Public ArrNM As Variant          ' axial forces and moments, indexed (column, row)
Public ArrQ As Variant           ' shear forces, indexed (column, row)

Public Function DirExists(ByVal Path As String) As Boolean
    On Error Resume Next
    DirExists = (GetAttr(Path) And vbDirectory) = vbDirectory
    If Err.Number <> 0 Then DirExists = False
    Err.Clear
End Function

' The engine lives in the Trellis installation folder, which Trellis records at every start.
Public Function EnginePath() As String
    EnginePath = GetSetting("Trellis", "main", "AppPath", App.Path)
End Function

Public Function RowCount(Arr As Variant) As Long
    On Error Resume Next
    RowCount = 0
    If IsArray(Arr) Then RowCount = UBound(Arr, 2) - LBound(Arr, 2) + 1
End Function

' Results go beside the project as nameless table files (.r01, .r02, .r03): Trellis takes
' them into the project at its next open or save and shows them in the results group.
Public Sub SaveResults(ByVal Folder As String)
    SaveResultTable Folder & "\.r01", ArrZ
    SaveResultTable Folder & "\.r02", ArrNM
    SaveResultTable Folder & "\.r03", ArrQ
End Sub

Private Sub SaveResultTable(ByVal FileName As String, Arr As Variant)
    Dim F As Integer, R As Long, C As Long, RowText As String
    If RowCount(Arr) = 0 Then Exit Sub
    F = FreeFile
    Open FileName For Output As #F
    For R = LBound(Arr, 2) To UBound(Arr, 2)
        RowText = CStr(R - LBound(Arr, 2) + 1)
        For C = LBound(Arr, 1) To UBound(Arr, 1)
            RowText = RowText & vbTab & CStr(Arr(C, R))
        Next C
        Print #F, RowText
    Next R
    Close #F
End Sub
