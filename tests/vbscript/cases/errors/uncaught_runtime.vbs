WScript.Echo "before"           ' expect: before
Sub Fails()
    Dim a
    a = 10 / 0
End Sub
Fails
WScript.Echo "never"
' The error is reported with the line and column of the failing statement.
' expect-error: uncaught_runtime.vbs(4, 5) VBScript runtime error 11: Division by zero
' expect-error: a = 10 / 0
