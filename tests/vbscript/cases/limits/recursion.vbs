' Deep recursion raises error 28 instead of crashing.
Function Down(n) : Down = Down(n + 1) : End Function
On Error Resume Next
x = Down(0)
WScript.Echo Err.Number, Err.Description   ' expect: 28 Out of stack space
Err.Clear
' The engine is still usable afterwards.
Function Depth(n) : If n = 0 Then Depth = 0 Else Depth = 1 + Depth(n - 1)
End Function
WScript.Echo Depth(500)                    ' expect: 500
' A huge allocation raises error 7.
ReDim big(2000000000)
WScript.Echo Err.Number, Err.Description   ' expect: 7 Out of memory
Err.Clear
Dim huge()
ReDim huge(100000, 100000)
WScript.Echo Err.Number                    ' expect: 7
' Code that executes itself without end is stopped the same way.
self = "Execute self"
Execute self
WScript.Echo Err.Number                    ' expect: 28
Err.Clear
e = "Eval(e)"
x = Eval(e)
WScript.Echo Err.Number                    ' expect: 28
Err.Clear
WScript.Echo Depth(100)                    ' expect: 100
' Text that doubles without end stops with error 14.
s = "abcdefgh"
For i = 1 To 40 : s = s & s : Next
WScript.Echo Err.Number, Err.Description   ' expect: 14 Out of string space
Err.Clear
