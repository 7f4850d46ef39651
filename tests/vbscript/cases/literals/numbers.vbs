' Literal types: Integer when it fits in 16 bits, then Long, then Double.
WScript.Echo TypeName(32767), TypeName(32768)          ' expect: Integer Long
WScript.Echo TypeName(2147483647), TypeName(2147483648) ' expect: Long Double
WScript.Echo TypeName(1.0), TypeName(1E3)              ' expect: Double Double
WScript.Echo &HFFFF, &H8000, &H7FFF                    ' expect: -1 -32768 32767
WScript.Echo &HFFFF&, TypeName(&HFFFF&)                ' expect: 65535 Long
WScript.Echo &HFFFFFFFF, &H10000, TypeName(&H10000)    ' expect: -1 65536 Long
WScript.Echo &O17, &o777                               ' expect: 15 511
WScript.Echo .5 + 1, 1.5E2, 2.5e-1                     ' expect: 1.5 150 0.25
WScript.Echo True + 0, False + 0                       ' expect: -1 0
WScript.Echo TypeName(#2026-12-06#)                    ' expect: Date
' Type suffixes on decimal literals: & gives Long, # gives Double.
WScript.Echo TypeName(1&), Hex(-1&), TypeName(7#), TypeName(7)   ' expect: Long FFFFFFFF Double Integer
