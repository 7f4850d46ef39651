' Date text in Chinese (People's Republic), the locale taken from LANG=zh_CN.UTF-8.
Dim d
d = DateSerial(2026, 12, 6) + TimeSerial(14, 5, 9)
WScript.Echo GetLocale()                       ' expect: 2052
WScript.Echo d                                 ' expect: 2026/12/6 14:05:09
WScript.Echo CStr(DateSerial(2026, 1, 2))      ' expect: 2026/1/2
WScript.Echo TimeSerial(9, 5, 0)               ' expect: 9:05:00
WScript.Echo FormatDateTime(d, vbLongDate)     ' expect: 2026年12月6日
WScript.Echo FormatDateTime(d, vbShortDate)    ' expect: 2026/12/6
WScript.Echo FormatDateTime(d, vbLongTime)     ' expect: 14:05:09
WScript.Echo FormatDateTime(d, vbShortTime)    ' expect: 14:05
WScript.Echo FormatDateTime(d)                 ' expect: 2026/12/6 14:05:09
WScript.Echo MonthName(1), MonthName(12, True)  ' expect: 一月 12月
WScript.Echo WeekdayName(1), WeekdayName(7, True), WeekdayName(1, False, vbUseSystemDayOfWeek)  ' expect: 星期日 周六 星期一

' Reading date text: the locale's own forms and the common ones.
WScript.Echo CDate("2026/12/6 14:05:09")       ' expect: 2026/12/6 14:05:09
WScript.Echo CDate("2026年12月6日")            ' expect: 2026/12/6
WScript.Echo CDate("2026-12-6 下午2:05")       ' expect: 2026/12/6 14:05:00
WScript.Echo DateValue("2026/12/6 14:05:09")   ' expect: 2026/12/6
WScript.Echo TimeValue("2026/12/6 14:05:09")   ' expect: 14:05:09
WScript.Echo IsDate("2026/12/6"), IsDate("2026/13/45"), IsDate("你好"), IsDate(45000)  ' expect: -1 0 0 0
WScript.Echo #2026/12/6#                       ' expect: 2026/12/6
