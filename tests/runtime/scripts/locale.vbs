' SetLocale switches date and number text inside a script and returns the previous LCID.
Dim d, old
d = DateSerial(2026, 12, 6) + TimeSerial(14, 5, 9)
SetLocale 2052
WScript.Echo d, FormatCurrency(2)             ' expect: 2026/12/6 14:05:09 ¥2.00
old = SetLocale("en-us")
WScript.Echo old, GetLocale()                 ' expect: 2052 1033
WScript.Echo d, FormatCurrency(2)             ' expect: 12/6/2026 2:05:09 PM $2.00
WScript.Echo SetLocale("zh-CN"), MonthName(3) ' expect: 1033 三月
On Error Resume Next
SetLocale 1036
WScript.Echo Err.Number, GetLocale()          ' expect: 5 2052
Err.Clear
SetLocale "xx-yy"
WScript.Echo Err.Number                       ' expect: 5
Err.Clear
On Error GoTo 0
' Asc and Chr follow the code page of the locale in force.
SetLocale 2052
WScript.Echo Asc("中"), Chr(-10544), StrComp("李", "张", 1)  ' expect: -10544 中 -1
SetLocale 1033
WScript.Echo Asc("中"), Asc("€"), StrComp("李", "张", 1)     ' expect: 63 128 1
