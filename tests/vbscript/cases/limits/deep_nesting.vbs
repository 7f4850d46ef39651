' Deeply nested input is an error, not a crash.
On Error Resume Next
code = String(5000, "(") & "1" & String(5000, ")")
x = Eval(code)
WScript.Echo Err.Number                    ' expect: 28
Err.Clear
WScript.Echo Eval("((((1))))") + 1         ' expect: 2
