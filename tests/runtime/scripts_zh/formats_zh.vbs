' Number text in Chinese (People's Republic).
WScript.Echo FormatNumber(1234567.891)          ' expect: 1,234,567.89
WScript.Echo FormatNumber(-0.5, 0)              ' expect: -1
WScript.Echo FormatCurrency(1234.5)             ' expect: ¥1,234.50
WScript.Echo FormatCurrency(-1234.5)            ' expect: ¥-1,234.50
WScript.Echo FormatCurrency(-1234.5, 2, , True) ' expect: (¥1,234.50)
WScript.Echo FormatPercent(0.256)               ' expect: 25.60%
WScript.Echo FormatPercent(1, 0)                ' expect: 100%
