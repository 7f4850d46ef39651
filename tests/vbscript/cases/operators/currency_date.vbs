' Currency keeps four decimals exactly; Date arithmetic stays a Date.
c = CCur(0.1)
WScript.Echo c * 3, TypeName(c * 3)            ' expect: 0.3 Currency
WScript.Echo CCur(1.5) + 1, TypeName(CCur(1.5) + 1) ' expect: 2.5 Currency
WScript.Echo TypeName(CCur(1) + 1.5)           ' expect: Double
WScript.Echo CCur(2.00005)                     ' expect: 2
WScript.Echo CCur(2.00015)                     ' expect: 2.0002
d = #2026-01-01#
WScript.Echo TypeName(d + 1), CDbl(d + 1) - CDbl(d) ' expect: Date 1
WScript.Echo CDbl(#2000-01-01#)                ' expect: 36526
WScript.Echo CDbl(#1899-12-30#)                ' expect: 0
WScript.Echo TypeName(d - #2025-12-31#), d - #2025-12-31# ' expect: Double 1
WScript.Echo CStr(#2026-01-01# < #2026-01-02#) ' expect: True
On Error Resume Next
x = CCur(1E300)
WScript.Echo Err.Number                        ' expect: 6
