' Date text in English (United States): LANG=C counts as that locale.
Dim d
d = DateSerial(2026, 12, 6) + TimeSerial(14, 5, 9)
WScript.Echo GetLocale()                       ' expect: 1033
WScript.Echo d                                 ' expect: 12/6/2026 2:05:09 PM
WScript.Echo TimeSerial(0, 5, 0)               ' expect: 12:05:00 AM
WScript.Echo FormatDateTime(d, vbLongDate)     ' expect: Sunday, December 6, 2026
WScript.Echo FormatDateTime(d, vbShortDate)    ' expect: 12/6/2026
WScript.Echo FormatDateTime(d, vbLongTime)     ' expect: 2:05:09 PM
WScript.Echo FormatDateTime(d, vbShortTime)    ' expect: 14:05
WScript.Echo MonthName(2), MonthName(2, True)  ' expect: February Feb
WScript.Echo WeekdayName(2), WeekdayName(1, True, vbMonday)  ' expect: Monday Mon

WScript.Echo CDate("12/6/2026 2:05:09 PM")     ' expect: 12/6/2026 2:05:09 PM
WScript.Echo CDate("December 6, 2026")         ' expect: 12/6/2026
WScript.Echo CDate("6 Dec 2026 14:05")         ' expect: 12/6/2026 2:05:00 PM
WScript.Echo CDate("13/1/2026")                ' expect: 1/13/2026
WScript.Echo CDate("2026-12-06")               ' expect: 12/6/2026
WScript.Echo IsDate("Feb 30, 2026"), IsDate("1/2/2026"), IsDate("")  ' expect: 0 -1 0
WScript.Echo #12/6/2026 2:05 PM#               ' expect: 12/6/2026 2:05:00 PM
On Error Resume Next
d = CDate("tomorrow")
WScript.Echo Err.Number                        ' expect: 13
