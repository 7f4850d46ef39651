' ByRef is the default; ByVal copies; extra parentheses pass a copy.
Sub Inc(v) : v = v + 1 : End Sub
Sub IncVal(ByVal v) : v = v + 1 : End Sub
a = 1
Inc a : WScript.Echo a                ' expect: 2
Inc (a) : WScript.Echo a              ' expect: 2
Call Inc(a) : WScript.Echo a          ' expect: 3
IncVal a : WScript.Echo a             ' expect: 3
Inc a + 0 : WScript.Echo a            ' expect: 3
' Array elements passed by reference change.
Dim arr(2)
arr(1) = 10
Inc arr(1) : WScript.Echo arr(1)      ' expect: 11
' An object property or a constant is passed as a copy.
Class Holder : Public Value : End Class
Set h = New Holder : h.Value = 5
Inc h.Value : WScript.Echo h.Value    ' expect: 5
Const FIVE = 5
Inc FIVE : WScript.Echo FIVE          ' expect: 5
' Two arguments without parentheses; Call requires them.
Sub Greet(who, times)
    WScript.Echo "hi " & who & " x" & times
End Sub
Greet "ann", 2                        ' expect: hi ann x2
Call Greet("bob", 3)                  ' expect: hi bob x3
Greet ("cy"), 1                       ' expect: hi cy x1
' A function that never assigns returns Empty; reading its name recurses.
Function Nothing1() : End Function
WScript.Echo TypeName(Nothing1())     ' expect: Empty
Function Fact(n)
    If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)
End Function
WScript.Echo Fact(10)                 ' expect: 3628800
Function Answer : Answer = 42 : End Function
WScript.Echo Answer + 1, Answer() * 2 ' expect: 43 84
' Exit Sub and Exit Function.
Function FirstBig(list)
    For Each x In list
        If x > 10 Then FirstBig = x : Exit Function
    Next
    FirstBig = -1
End Function
WScript.Echo FirstBig(Array(3, 40, 50)), FirstBig(Array(1)) ' expect: 40 -1
' Undeclared names inside a procedure are its own locals.
Sub UseLocal() : counter = 99 : End Sub
counter2 = 1
UseLocal
WScript.Echo TypeName(counter)        ' expect: Empty
' A global that exists is shared.
g = 1
Sub Bump() : g = g + 1 : End Sub
Bump : Bump
WScript.Echo g                        ' expect: 3
' Wrong number of arguments.
On Error Resume Next
Greet "x"
WScript.Echo Err.Number               ' expect: 450
