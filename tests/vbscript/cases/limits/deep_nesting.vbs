' Deeply nested input is an error, not a crash.
On Error Resume Next
code = String(5000, "(") & "1" & String(5000, ")")
x = Eval(code)
WScript.Echo Err.Number                    ' expect: 28
Err.Clear
WScript.Echo Eval("((((1))))") + 1         ' expect: 2
' Deeply nested values are freed without exhausting the stack.
For i = 1 To 300000 : a = Array(a) : Next
a = Empty
WScript.Echo "arrays freed"                ' expect: arrays freed
Set prev = Nothing
For i = 1 To 100000
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "next", prev
    Set prev = d
Next
Set d = Nothing
Set prev = Nothing
WScript.Echo "objects freed"               ' expect: objects freed
