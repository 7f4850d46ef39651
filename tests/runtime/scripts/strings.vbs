' Text built-ins: lengths, slices, searching, case, trimming and their error cases.
WScript.Echo Len("Hello"), Len(""), Len(12345)          ' expect: 5 0 5
WScript.Echo IsNull(Len(Null)), IsNull(Left(Null, 1))   ' expect: -1 -1
WScript.Echo Left("Hello", 2) & "|" & Left("Hi", 10)    ' expect: He|Hi
WScript.Echo Right("Hello", 3) & "|" & Right("Hi", 10)  ' expect: llo|Hi
WScript.Echo Mid("Hello World", 7) & "|" & Mid("Hello", 2, 3) & "|" & Mid("Hello", 9, 2) & "|"  ' expect: World|ell||
WScript.Echo Len(Mid("中文字符", 2, 2)), Mid("中文字符", 2, 2)  ' expect: 2 文字

' InStr counts from 1 and returns 0 when the text is absent.
WScript.Echo InStr("abcabc", "c"), InStr(4, "abcabc", "c"), InStr("abc", "x")  ' expect: 3 6 0
WScript.Echo InStr(1, "ABC", "b"), InStr(1, "ABC", "b", vbTextCompare)         ' expect: 0 2
WScript.Echo InStr("abc", ""), InStr(3, "abc", ""), InStr(5, "abc", "a")       ' expect: 1 3 0
WScript.Echo InStrRev("a.b.c", "."), InStrRev("a.b.c", ".", 3), InStrRev("abc", "x")  ' expect: 4 2 0
WScript.Echo InStrRev("ABAB", "b", -1, 1)               ' expect: 4

WScript.Echo LCase("MiXeD Ä"), UCase("mixed ä")         ' expect: mixed ä MIXED Ä
WScript.Echo "[" & LTrim("  a  ") & "][" & RTrim("  a  ") & "][" & Trim("  a  ") & "]"  ' expect: [a  ][  a][a]
WScript.Echo "[" & Trim(vbTab & "a" & vbTab) & "]" = "[" & vbTab & "a" & vbTab & "]"    ' expect: -1

' Replace returns the text from the start position on.
WScript.Echo Replace("a-b-c", "-", "+")                 ' expect: a+b+c
WScript.Echo Replace("a-b-c", "-", "+", 3)              ' expect: b+c
WScript.Echo Replace("a-b-c", "-", "+", 1, 1)           ' expect: a+b-c
WScript.Echo Replace("ABab", "b", "x", 1, -1, vbTextCompare)  ' expect: Axax
WScript.Echo Replace("abc", "", "x") & "|" & Replace("abc", "b", "")  ' expect: abc|ac

WScript.Echo "[" & Space(3) & "]", String(3, "xy"), String(2, 65)  ' expect: [   ] xxx AA
WScript.Echo StrComp("a", "B"), StrComp("a", "B", 1), StrComp("a", "A", 1), StrComp("b", "a")  ' expect: 1 -1 0 1
WScript.Echo IsNull(StrComp(Null, "a"))                 ' expect: -1
WScript.Echo StrReverse("abc中")                         ' expect: 中cba

Dim parts
parts = Split("a,b,,c", ",")
WScript.Echo UBound(parts), parts(2) = "", parts(3)    ' expect: 3 -1 c
parts = Split("a b c")
WScript.Echo UBound(parts), parts(1)                    ' expect: 2 b
parts = Split("a,b,c", ",", 2)
WScript.Echo UBound(parts), parts(1)                    ' expect: 1 b,c
parts = Split("aXbxc", "x", -1, vbTextCompare)
WScript.Echo UBound(parts)                              ' expect: 2
WScript.Echo UBound(Split(""))                          ' expect: -1
WScript.Echo Join(Array("a", "b", "c")), Join(Array(1, 2), "+"), "[" & Join(Array()) & "]"  ' expect: a b c 1+2 []
WScript.Echo Join(Filter(Array("apple", "berry", "grape"), "ap"), ",")              ' expect: apple,grape
WScript.Echo Join(Filter(Array("apple", "berry", "grape"), "ap", False), ",")       ' expect: berry
WScript.Echo Join(Filter(Array("Apple", "berry"), "AP", True, vbTextCompare), ",")  ' expect: Apple

WScript.Echo Escape("a b&c=中/@*_+-.")                  ' expect: a%20b%26c%3D%u4E2D/@*_+-.
WScript.Echo Unescape("a%20b%u4E2D%zz")                 ' expect: a b中%zz

WScript.Echo Asc("A"), AscW("中"), AscB("A"), Chr(65) & ChrW(20013) & ChrB(66)  ' expect: 65 20013 65 A中B
WScript.Echo AscW(ChrW(&HFFFF)), Len(Chr(0))            ' expect: -1 1
WScript.Echo LenB("abc"), LeftB("abcd", 4), MidB("abcd", 3, 2), RightB("abcd", 2), InStrB("abc", "c")  ' expect: 6 ab b d 5

' Bad arguments: each raises its error and leaves the script running.
On Error Resume Next
Dim r
r = Left("abc", -1) : WScript.Echo Err.Number : Err.Clear   ' expect: 5
r = Mid("abc", 0) : WScript.Echo Err.Number : Err.Clear     ' expect: 5
r = Mid("abc", 1, -1) : WScript.Echo Err.Number : Err.Clear ' expect: 5
r = InStr(0, "abc", "a") : WScript.Echo Err.Number : Err.Clear  ' expect: 5
r = InStrRev("abc", "a", 0) : WScript.Echo Err.Number : Err.Clear  ' expect: 5
r = Asc("") : WScript.Echo Err.Number : Err.Clear           ' expect: 5
r = ChrW(70000) : WScript.Echo Err.Number : Err.Clear       ' expect: 5
r = Space(-1) : WScript.Echo Err.Number : Err.Clear         ' expect: 5
r = String(2, "") : WScript.Echo Err.Number : Err.Clear     ' expect: 5
r = StrComp("a", "b", 7) : WScript.Echo Err.Number : Err.Clear  ' expect: 5
r = Replace("abc", "a", "b", 0) : WScript.Echo Err.Number : Err.Clear  ' expect: 5
r = Join("abc") : WScript.Echo Err.Number : Err.Clear       ' expect: 13
r = Left("abc") : WScript.Echo Err.Number : Err.Clear       ' expect: 450
' A text too long to build is an error, not a crash.
r = String(2000000000, "x") : WScript.Echo Err.Number : Err.Clear  ' expect: 14
r = Space(2147483647) : WScript.Echo Err.Number : Err.Clear         ' expect: 14
On Error GoTo 0
' Text comparison ignores width as well as case: full-width letters and digits, as Chinese
' input methods type them, match their ASCII twins; LCase and UCase keep the width.
WScript.Echo StrComp("ＡＢＣ", "abc", vbTextCompare), StrComp("ＡＢＣ", "abc", vbBinaryCompare)  ' expect: 0 1
WScript.Echo InStr(1, "价格：１００元", "100", 1), InStr("价格：１００元", "100")            ' expect: 4 0
WScript.Echo Replace("ａｂｃ", "B", "x", 1, -1, 1), UBound(Split("a　b c", " ", -1, 1))   ' expect: ａxｃ 2
WScript.Echo LCase("ＡＢ"), UCase("ａｂ")                                                   ' expect: ａｂ ＡＢ
Set wide = CreateObject("Scripting.Dictionary")
wide.CompareMode = vbTextCompare
wide.Add "ＫＥＹ", 1
WScript.Echo CStr(wide.Exists("key")), CStr(wide.HashVal("ＫＥＹ") = wide.HashVal("key"))  ' expect: True True
