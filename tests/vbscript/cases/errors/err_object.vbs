' On Error Resume Next abandons the failing statement and goes on.
On Error Resume Next
x = 1
x = 1 / 0
WScript.Echo x, Err.Number, Err.Description      ' expect: 1 11 Division by zero
WScript.Echo Err.Source                          ' expect: VBScript runtime error
Err.Clear
WScript.Echo Err.Number, "[" & Err.Description & "]" ' expect: 0 []
' The whole statement is abandoned: g is not called.
Function F() : F = 1 / 0 : End Function
Function G() : WScript.Echo "g called" : G = True : End Function
y = "old"
y = F() And G()
WScript.Echo y, Err.Number                       ' expect: old 11
Err.Clear
' Err.Raise with user numbers and texts.
Err.Raise 1000, "MySource", "My text"
WScript.Echo Err.Number, Err.Source, Err.Description ' expect: 1000 MySource My text
Err.Raise 9
WScript.Echo Err.Number, Err.Description         ' expect: 9 Subscript out of range
Err.Raise &H80040001
WScript.Echo Err.Number = &H80040001             ' expect: -1
' An error in a callee without a handler ends the callee; the caller's
' statement is abandoned and the caller goes on.
Sub Inner()
    WScript.Echo "inner start"
    z = 1 / 0
    WScript.Echo "inner never"
End Sub
Err.Clear
Inner                                            ' expect: inner start
WScript.Echo "caller goes on", Err.Number        ' expect: caller goes on 11
' Err keeps its values after a callee handled its own error.
Sub Handled()
    On Error Resume Next
    Err.Raise 7
End Sub
Err.Clear
Handled
WScript.Echo Err.Number                          ' expect: 7
' A failing If condition runs the Then part.
Err.Clear
If 1 / 0 Then WScript.Echo "then part" Else WScript.Echo "else part" ' expect: then part
' A failing Do While condition enters the loop; Loop While leaves it.
n = 0
Do While 1 / 0
    n = n + 1
    If n = 2 Then Exit Do
Loop
WScript.Echo n                                   ' expect: 2
n = 0
Do
    n = n + 1
Loop While 1 / 0
WScript.Echo n                                   ' expect: 1
' For Each over something that is not a collection runs the body once.
k = 0
For Each v In 5 : k = k + 1 : Next
WScript.Echo k, Err.Number                       ' expect: 1 451
' On Error GoTo 0 clears Err and stops resuming.
On Error GoTo 0
WScript.Echo Err.Number                          ' expect: 0
