VERSION 5.00
Begin VB.Form frmVB 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Расчет проекта Trellis"
   ClientHeight    =   4215
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   6735
   Icon            =   "frmVB.frx":0000
   LinkTopic       =   "frmVB"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   4215
   ScaleWidth      =   6735
   StartUpPosition =   2  'CenterScreen
   Begin VB.CommandButton cmdClose 
      Cancel          =   -1  'True
      Caption         =   "Закрыть"
      Height          =   375
      Left            =   5280
      TabIndex        =   2
      Top             =   3720
      Width           =   1335
   End
   Begin VB.CommandButton cmdCalc 
      Caption         =   "Расчет"
      Default         =   -1  'True
      Height          =   375
      Left            =   3840
      TabIndex        =   1
      Top             =   3720
      Width           =   1335
   End
   Begin VB.ListBox lstReport 
      Height          =   2985
      Left            =   120
      TabIndex        =   0
      Top             =   600
      Width           =   6495
   End
   Begin VB.Label lblInfo 
      Caption         =   "Таблицы проекта передаются расчетной программе. Нажмите «Расчет»."
      Height          =   375
      Left            =   120
      TabIndex        =   3
      Top             =   120
      Width           =   6495
   End
End
Attribute VB_Name = "frmVB"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

' Trellis appends the routines generated from the project's tables below: AddAllArr hands
' every table to the engine, runs the calculation and fetches ArrZ, ArrNM and ArrQ.

Private Sub Form_Load()
    KSPath = EnginePath()
    lstReport.AddItem "Программа расчета: " & KSPath
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Set Api = Nothing
End Sub

Private Sub cmdCalc_Click()
    On Error GoTo Failed
    cmdCalc.Enabled = False
    Screen.MousePointer = vbHourglass
    lstReport.Clear
    lstReport.AddItem "Передача таблиц и расчет..."
    DoEvents
    AddAllArr
    lstReport.AddItem "Перемещения узлов: " & RowCount(ArrZ) & " строк"
    lstReport.AddItem "Продольные силы и моменты: " & RowCount(ArrNM) & " строк"
    lstReport.AddItem "Поперечные силы: " & RowCount(ArrQ) & " строк"
    SaveResults App.Path
    lstReport.AddItem "Расчет выполнен. Результаты появятся в Trellis при открытии проекта."
    GoTo Finish
Failed:
    lstReport.AddItem "Ошибка " & Err.Number & ": " & Err.Description
Finish:
    Screen.MousePointer = vbDefault
    cmdCalc.Enabled = True
End Sub

Private Sub cmdClose_Click()
    Unload Me
End Sub
