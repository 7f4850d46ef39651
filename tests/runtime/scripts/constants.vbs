' The vb... constants a script may use.
WScript.Echo Len(vbCrLf), Asc(vbCr), Asc(vbLf), Asc(vbTab), vbNewLine = vbCrLf, Len(vbNullChar), Len(vbNullString)  ' expect: 2 13 10 9 -1 1 0
WScript.Echo vbTrue, vbFalse, vbUseDefault, vbBinaryCompare, vbTextCompare  ' expect: -1 0 -2 0 1
WScript.Echo vbSunday, vbSaturday, vbUseSystemDayOfWeek, vbFirstJan1, vbFirstFourDays, vbFirstFullWeek  ' expect: 1 7 0 1 2 3
WScript.Echo vbGeneralDate, vbLongDate, vbShortDate, vbLongTime, vbShortTime  ' expect: 0 1 2 3 4
WScript.Echo vbOKOnly, vbOKCancel, vbYesNoCancel, vbYesNo, vbCritical, vbQuestion, vbExclamation, vbInformation  ' expect: 0 1 3 4 16 32 48 64
WScript.Echo vbDefaultButton2, vbSystemModal, vbOK, vbCancel, vbYes, vbNo  ' expect: 256 4096 1 2 6 7
WScript.Echo vbBlack, vbRed, vbGreen, vbBlue, vbWhite  ' expect: 0 255 65280 16711680 16777215
WScript.Echo vbEmpty, vbNull, vbInteger, vbString, vbBoolean, vbByte, vbArray  ' expect: 0 1 2 8 11 17 8192
WScript.Echo vbObjectError, VarType("x") = vbString  ' expect: -2147221504 -1
WScript.Echo ScriptEngine, ScriptEngineMajorVersion & "." & ScriptEngineMinorVersion, ScriptEngineBuildVersion > 0  ' expect: VBScript 5.8 -1
On Error Resume Next
Dim o
Set o = CreateObject("No.Such.Thing")
WScript.Echo Err.Number                             ' expect: 429
