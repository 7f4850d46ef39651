' Date arithmetic, printed as numbers so the locale does not matter.
Dim d
d = DateSerial(2026, 12, 6) + TimeSerial(14, 5, 9)
WScript.Echo Year(d), Month(d), Day(d), Hour(d), Minute(d), Second(d)  ' expect: 2026 12 6 14 5 9
WScript.Echo Weekday(d), Weekday(d, vbMonday), TypeName(d)  ' expect: 1 7 Date
WScript.Echo CDbl(DateSerial(2000, 1, 1)), CDbl(DateSerial(1899, 12, 30))  ' expect: 36526 0

' DateSerial rolls months and days over, and maps two-digit years to 1930-2029.
d = DateSerial(2026, 14, 1)
WScript.Echo Year(d), Month(d), Day(d)      ' expect: 2027 2 1
d = DateSerial(2024, 3, 0)
WScript.Echo Month(d), Day(d)               ' expect: 2 29
WScript.Echo Year(DateSerial(29, 1, 1)), Year(DateSerial(30, 1, 1))  ' expect: 2029 1930
d = TimeSerial(12 - 6, -15, 0)
WScript.Echo Hour(d), Minute(d)             ' expect: 5 45
d = TimeSerial(25, 0, 0)
WScript.Echo Day(d), Hour(d)                ' expect: 31 1

' DateAdd keeps the day within the month it lands in.
d = DateAdd("m", 1, DateSerial(2026, 1, 31))
WScript.Echo Month(d), Day(d)               ' expect: 2 28
d = DateAdd("yyyy", 1, DateSerial(2024, 2, 29))
WScript.Echo Year(d), Month(d), Day(d)      ' expect: 2025 2 28
d = DateAdd("h", -1, DateSerial(2026, 1, 1))
WScript.Echo Year(d), Month(d), Day(d), Hour(d)  ' expect: 2025 12 31 23
d = DateAdd("ww", 2, DateSerial(2026, 12, 6))
WScript.Echo Day(d)                         ' expect: 20
d = DateAdd("n", 90, DateSerial(2026, 12, 6))
WScript.Echo Hour(d), Minute(d)             ' expect: 1 30

' DateDiff counts the boundaries crossed.
Dim eve, newYear
eve = DateSerial(2025, 12, 31) + TimeSerial(23, 59, 59)
newYear = DateSerial(2026, 1, 1)
WScript.Echo DateDiff("yyyy", eve, newYear), DateDiff("d", eve, newYear), DateDiff("s", eve, newYear)  ' expect: 1 1 1
WScript.Echo DateDiff("m", newYear, eve), DateDiff("q", DateSerial(2026, 3, 31), DateSerial(2026, 4, 1))  ' expect: -1 1
WScript.Echo DateDiff("ww", DateSerial(2026, 12, 5), DateSerial(2026, 12, 6)), DateDiff("w", DateSerial(2026, 12, 5), DateSerial(2026, 12, 6))  ' expect: 1 0
WScript.Echo DateDiff("d", "2026/1/1", "2026/3/1")  ' expect: 59

' DatePart with the first day of the week and the first week of the year.
WScript.Echo DatePart("ww", DateSerial(2026, 1, 1)), DatePart("ww", DateSerial(2027, 1, 1), vbMonday, vbFirstFourDays)  ' expect: 1 53
WScript.Echo DatePart("ww", DateSerial(2026, 1, 3), vbSunday, vbFirstFullWeek), DatePart("y", DateSerial(2026, 12, 31))  ' expect: 52 365
WScript.Echo DatePart("q", DateSerial(2026, 7, 1)), DatePart("w", DateSerial(2026, 12, 6), vbMonday)  ' expect: 3 7

WScript.Echo Year(Date) >= 2024, Date = Int(Now), Timer >= 0, Timer < 86400  ' expect: -1 -1 -1 -1
WScript.Echo CDbl(TimeValue(Now)) < 1, CDbl(DateValue(Now)) = CDbl(Date)    ' expect: -1 -1
WScript.Echo IsNull(Year(Null)), IsNull(DateAdd("d", 1, Null))               ' expect: -1 -1

On Error Resume Next
Dim r
r = DateSerial(10000, 1, 1) : WScript.Echo Err.Number : Err.Clear      ' expect: 5
r = DateAdd("x", 1, Now) : WScript.Echo Err.Number : Err.Clear         ' expect: 5
r = DateAdd("yyyy", 1, DateSerial(9999, 1, 1)) : WScript.Echo Err.Number : Err.Clear  ' expect: 5
r = Weekday(Now, 8) : WScript.Echo Err.Number : Err.Clear              ' expect: 5
r = DatePart("ww", Now, 1, 4) : WScript.Echo Err.Number : Err.Clear    ' expect: 5
r = Year("not a date") : WScript.Echo Err.Number : Err.Clear           ' expect: 13
r = MonthName(13) : WScript.Echo Err.Number : Err.Clear                ' expect: 5
r = WeekdayName(0) : WScript.Echo Err.Number : Err.Clear               ' expect: 5
r = FormatDateTime(Now, 5) : WScript.Echo Err.Number : Err.Clear       ' expect: 5
