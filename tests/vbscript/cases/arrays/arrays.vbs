Dim a(3)
WScript.Echo UBound(a), LBound(a)        ' expect: 3 0
a(0) = "x" : a(3) = 4
WScript.Echo a(0), a(3), TypeName(a(1))  ' expect: x 4 Empty
Dim m(2, 4)
m(2, 4) = "corner"
WScript.Echo UBound(m, 1), UBound(m, 2), m(2, 4) ' expect: 2 4 corner
' Dynamic arrays: ReDim, Preserve keeps elements when the last dimension changes.
Dim d()
ReDim d(2)
d(0) = "a" : d(2) = "c"
ReDim Preserve d(4)
WScript.Echo UBound(d), d(0), d(2), TypeName(d(4)) ' expect: 4 a c Empty
ReDim d(1)
WScript.Echo TypeName(d(0))              ' expect: Empty
ReDim g(1, 1)
g(1, 1) = 9
ReDim Preserve g(1, 3)
WScript.Echo g(1, 1), UBound(g, 2)       ' expect: 9 3
On Error Resume Next
ReDim Preserve g(2, 3)
WScript.Echo Err.Number                  ' expect: 9
Err.Clear
On Error GoTo 0
' Arrays are values: assignment copies.
x = Array(1, 2, 3)
y = x
y(0) = 100
WScript.Echo x(0), y(0)                  ' expect: 1 100
' Erase empties a fixed array and frees a dynamic one.
Erase a
WScript.Echo UBound(a), TypeName(a(0))   ' expect: 3 Empty
Erase d
On Error Resume Next
n = UBound(d)
WScript.Echo Err.Number                  ' expect: 9
Err.Clear
' Arrays inside arrays.
nested = Array(Array(1, 2), Array(3, 4))
WScript.Echo nested(1)(0)                ' expect: 3
WScript.Echo UBound(Array())             ' expect: -1
' Array element passed ByRef, then the array grows meanwhile.
Sub Grow(v)
    ReDim Preserve dyn(10)
    v = "changed"
End Sub
ReDim dyn(1)
Grow dyn(1)
WScript.Echo dyn(1), UBound(dyn)         ' expect: changed 10
' Arrays inside arrays are written in place.
Dim outer(1), inner(2)
outer(1) = inner
outer(1)(2) = "deep"
WScript.Echo outer(1)(2), TypeName(inner(2))  ' expect: deep Empty
Dim grid
grid = Array(Array(1, 2), Array(3, Array(4, 5)))
grid(1)(1)(0) = 40
grid(0)(1) = grid(0)(1) * 10
WScript.Echo grid(0)(1), grid(1)(1)(0), grid(1)(1)(1)  ' expect: 20 40 5
