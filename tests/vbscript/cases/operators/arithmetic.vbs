' Precedence: unary minus binds tighter than ^, ^ is left to right.
WScript.Echo -3 ^ 2, 2 ^ 3 ^ 2, 2 ^ -1       ' expect: 9 64 0.5
WScript.Echo 1 + 2 * 3, (1 + 2) * 3          ' expect: 7 9
WScript.Echo 7 \ 2 * 2, 7 Mod 3 * 2          ' expect: 1 1
WScript.Echo 10 - 2 - 3, 100 / 10 / 5        ' expect: 5 2
WScript.Echo 1 + 2 & 3 + 4                   ' expect: 37
' \ and Mod round with banker's rounding first, then truncate toward zero.
WScript.Echo 5.5 \ 2, 6.5 Mod 4, 4.5 \ 1      ' expect: 3 2 4
WScript.Echo -7 \ 2, -7 Mod 3, 7 Mod -3       ' expect: -3 -1 1
' Integer overflow grows to Long, Long to Double.
x = 32767 : y = x + 1
WScript.Echo y, TypeName(y), TypeName(x)     ' expect: 32768 Long Integer
z = 2147483647 : z = z + 1
WScript.Echo z, TypeName(z)                  ' expect: 2147483648 Double
WScript.Echo TypeName(200 * 200)             ' expect: Long
WScript.Echo TypeName(CByte(200) + CByte(50)), TypeName(CByte(200) + CByte(100)) ' expect: Byte Integer
WScript.Echo TypeName(4 / 2), 4 / 2          ' expect: Double 2
WScript.Echo TypeName(2 ^ 2)                 ' expect: Double
WScript.Echo TypeName(True + True), True + True ' expect: Integer -2
WScript.Echo TypeName(Empty + Empty)         ' expect: Integer
WScript.Echo TypeName(1 + 1.5), TypeName(CSng(1) + 1) ' expect: Double Single
' + with strings.
WScript.Echo "1" + 2, TypeName("1" + 2)      ' expect: 3 Double
WScript.Echo "1" + "2"                       ' expect: 12
WScript.Echo "a" & 1 & Empty & Null          ' expect: a1
WScript.Echo TypeName(Null & Null)           ' expect: Null
' Null propagates through arithmetic, not through &.
WScript.Echo TypeName(Null + 1), TypeName(-Null), TypeName(Null * 0) ' expect: Null Null Null
WScript.Echo TypeName(Empty), Empty + 1     ' expect: Empty 1
' Appending to a variable that also appears on the right.
s = "a" : s = s & s & s
WScript.Echo s                               ' expect: aaa
t = "x" : u = t : t = t & "y"
WScript.Echo t, u                            ' expect: xy x
