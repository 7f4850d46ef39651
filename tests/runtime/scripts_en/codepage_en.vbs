' Asc and Chr in the English (United States) locale go through code page 1252.
WScript.Echo Asc("A"), Asc("é"), Asc("€"), Asc("—"), Asc(ChrW(&HFF))  ' expect: 65 233 128 151 255
WScript.Echo AscW(Chr(128)), AscW(Chr(150)), AscW(Chr(233)), AscW(Chr(129))  ' expect: 8364 8211 233 129
WScript.Echo Chr(72) & Chr(105)                             ' expect: Hi
' A character outside the code page reads as "?".
WScript.Echo Asc("中"), Asc(ChrW(&H100))                   ' expect: 63 63
On Error Resume Next
x = Chr(256) : WScript.Echo Err.Number : Err.Clear            ' expect: 5
x = Chr(-1) : WScript.Echo Err.Number : Err.Clear             ' expect: 5
x = Chr(-10544) : WScript.Echo Err.Number : Err.Clear         ' expect: 5
On Error GoTo 0
WScript.Echo ChrW(20013), AscW(ChrW(-10544))               ' expect: 中 -10544
' Text comparison ignores case; Chinese is compared by code here.
WScript.Echo StrComp("李", "张", 1), StrComp("ABC", "abc", 1)  ' expect: 1 0
