' Number text in English (United States), with each optional argument.
WScript.Echo FormatNumber(1234.5678)            ' expect: 1,234.57
WScript.Echo FormatNumber(0.125, 2)             ' expect: 0.13
WScript.Echo FormatNumber(0.5, 2, vbFalse)      ' expect: .50
WScript.Echo FormatNumber(-1, 2, , vbTrue)      ' expect: (1.00)
WScript.Echo FormatNumber(1234567, 0, , , vbFalse)  ' expect: 1234567
WScript.Echo FormatNumber("12.5", 1)            ' expect: 12.5
WScript.Echo FormatCurrency(1234.5)             ' expect: $1,234.50
WScript.Echo FormatCurrency(-1234.5)            ' expect: ($1,234.50)
WScript.Echo FormatCurrency(-1234.5, 2, , False)  ' expect: -$1,234.50
WScript.Echo FormatPercent(-0.1234, 1)          ' expect: -12.3%
On Error Resume Next
Dim r
r = FormatNumber("abc") : WScript.Echo Err.Number : Err.Clear     ' expect: 13
r = FormatNumber(1, 300) : WScript.Echo Err.Number : Err.Clear    ' expect: 5
