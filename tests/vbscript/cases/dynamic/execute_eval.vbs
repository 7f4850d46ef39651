' Eval compares, Execute assigns.
a = 1 : b = 2
WScript.Echo CStr(Eval("a = b"))         ' expect: False
Execute "a = b"
WScript.Echo a                           ' expect: 2
WScript.Echo Eval("a * 10 + b")          ' expect: 22
' Execute inside a procedure sees and creates its locals.
Sub Local1()
    Dim v
    v = 5
    Execute "v = v + 1 : w = 7"
    WScript.Echo v, Eval("w")
End Sub
Local1                                   ' expect: 6 7
WScript.Echo TypeName(w)                 ' expect: Empty
' ExecuteGlobal always works at global scope.
Sub Global1()
    ExecuteGlobal "gv = 11"
End Sub
Global1
WScript.Echo gv                          ' expect: 11
' Procedures defined by executed code stay defined; a new definition replaces the old one.
ExecuteGlobal "Function Sq(x) : Sq = x * x : End Function"
WScript.Echo Sq(7)                       ' expect: 49
ExecuteGlobal "Function Sq(x) : Sq = -x : End Function"
WScript.Echo Sq(7)                       ' expect: -7
' GetRef calls a procedure through a reference.
Function Add1(x) : Add1 = x + 1 : End Function
Set f = GetRef("Add1")
WScript.Echo f(41)                       ' expect: 42
On Error Resume Next
Set f = GetRef("NoSuchProc")
WScript.Echo Err.Number                  ' expect: 5
Err.Clear
Execute "x = (1"
WScript.Echo Err.Number                  ' expect: 1006
