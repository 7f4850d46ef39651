' Number built-ins: rounding, signs, Hex and Oct, the maths functions and their errors.
WScript.Echo Fix(2.7), Fix(-2.7), Int(2.7), Int(-2.7)          ' expect: 2 -2 2 -3
WScript.Echo TypeName(Int(5)), TypeName(Int(2.5)), TypeName(Fix(CLng(7)))  ' expect: Integer Double Long
WScript.Echo IsNull(Int(Null)), IsNull(Abs(Null))              ' expect: -1 -1
' Round halves to even, also with decimals.
WScript.Echo Round(2.5), Round(3.5), Round(-2.5), Round(0.125, 2), Round(1.2345, 3)  ' expect: 2 4 -2 0.12 1.234
WScript.Echo Round(7), TypeName(Round(7)), TypeName(Round(2.5))   ' expect: 7 Integer Double
WScript.Echo Abs(-3), Abs(2.5), TypeName(Abs(-32768)), Sgn(-4), Sgn(0), Sgn(0.1)  ' expect: 3 2.5 Long -1 0 1
WScript.Echo Sqr(16), Exp(0), Log(1), Atn(0), Cos(0), Sin(0), Tan(0)  ' expect: 4 1 0 0 1 0 0
WScript.Echo Round(Log(Exp(2)), 10), Round(4 * Atn(1), 6)       ' expect: 2 3.141593

' Hex and Oct: Integer values keep 16 bits, Long values 32.
WScript.Echo Hex(255), Hex(-1), Hex(-32769), Hex(&H7FFFFFFF), Hex(2.5)  ' expect: FF FFFF FFFF7FFF 7FFFFFFF 2
WScript.Echo Oct(8), Oct(-1), Hex(""& 16)                       ' expect: 10 177777 10
WScript.Echo Hex(Empty), IsNull(Hex(Null))                      ' expect: 0 -1
WScript.Echo RGB(255, 0, 0), RGB(0, 0, 255), RGB(300, 1, 1)     ' expect: 255 16711680 66047

On Error Resume Next
Dim r
r = Sqr(-1) : WScript.Echo Err.Number : Err.Clear        ' expect: 5
r = Log(0) : WScript.Echo Err.Number : Err.Clear         ' expect: 5
r = Exp(1000) : WScript.Echo Err.Number : Err.Clear      ' expect: 6
r = Hex(4294967296) : WScript.Echo Err.Number : Err.Clear  ' expect: 6
r = Round(1.5, -1) : WScript.Echo Err.Number : Err.Clear   ' expect: 5
r = RGB(-1, 0, 0) : WScript.Echo Err.Number : Err.Clear    ' expect: 5
r = Abs("x") : WScript.Echo Err.Number : Err.Clear         ' expect: 13
