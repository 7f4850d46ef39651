' Rounding conversions round halves to even.
WScript.Echo CInt(2.5), CInt(3.5), CInt(-2.5), CInt(2.51)  ' expect: 2 4 -2 3
WScript.Echo CLng(0.5), CLng(1.5), CByte(254.5)            ' expect: 0 2 254
WScript.Echo TypeName(CInt("12")), CInt(" 12 ")            ' expect: Integer 12
WScript.Echo CDbl("1.5E3"), CDbl("&H10")                   ' expect: 1500 16
WScript.Echo CLng(True), CInt(False)                       ' expect: -1 0
WScript.Echo CStr(CBool(5)), CStr(CBool(0)), CStr(CBool("true")) ' expect: True False True
WScript.Echo TypeName(CCur(1)), TypeName(CSng(1)), TypeName(CByte(1)) ' expect: Currency Single Byte
WScript.Echo CStr(12), CStr(-1.5), TypeName(CStr(1))       ' expect: 12 -1.5 String
' Overflow and bad input.
On Error Resume Next
v = CInt(40000) : WScript.Echo Err.Number : Err.Clear      ' expect: 6
v = CByte(-1) : WScript.Echo Err.Number : Err.Clear        ' expect: 6
v = CLng(3000000000#) : WScript.Echo Err.Number : Err.Clear ' expect: 6
v = CInt("abc") : WScript.Echo Err.Number : Err.Clear      ' expect: 13
v = CBool("maybe") : WScript.Echo Err.Number : Err.Clear   ' expect: 13
v = CStr(Null) : WScript.Echo Err.Number : Err.Clear       ' expect: 94
v = CInt(Null) : WScript.Echo Err.Number : Err.Clear       ' expect: 94
' Text with thousands separators reads as a number, as typed amounts do.
WScript.Echo CDbl("1,234.5"), CLng("2,147,483,647"), "1,000" + 1       ' expect: 1234.5 2147483647 1001
WScript.Echo CStr(IsNumeric("1,000")), CStr(IsNumeric("1,")), CStr(IsNumeric(",5"))  ' expect: True False False
