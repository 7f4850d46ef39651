' Numbers compare as numbers, strings by character codes.
WScript.Echo CStr(2 < 10), CStr("2" < "10")   ' expect: True False
WScript.Echo CStr("a" < "b"), CStr("B" < "a") ' expect: True True
WScript.Echo CStr("abc" = "ABC")              ' expect: False
' Empty is 0 next to a number and "" next to a string.
e = Empty
WScript.Echo CStr(e = 0), CStr(e = ""), CStr(e < 1)  ' expect: True True True
' A string against a literal number converts the string.
x = "10"
WScript.Echo CStr(x = 10), CStr(x > 9)        ' expect: True True
' Against a number held in a variable, the number is less than any string.
n = 10
WScript.Echo CStr(x = n), CStr(n < x), CStr(x > n) ' expect: False True True
Function Ten() : Ten = 10 : End Function
WScript.Echo CStr(x = Ten())                  ' expect: False
Const TEN_C = 10
WScript.Echo CStr(x = TEN_C)                  ' expect: True
' A string against a Boolean compares with its text.
WScript.Echo CStr("True" = True), CStr("-1" = True) ' expect: True False
' Null makes the comparison Null.
WScript.Echo TypeName(Null = Null), TypeName(1 < Null) ' expect: Null Null
If Null Then WScript.Echo "yes" Else WScript.Echo "no" ' expect: no
' Objects compare by identity with Is.
Set o1 = New C1 : Set o2 = o1 : Set o3 = New C1
WScript.Echo CStr(o1 Is o2), CStr(o1 Is o3), CStr(Nothing Is Nothing) ' expect: True False True
Class C1
End Class
On Error Resume Next
b = ("abc" = 5)
WScript.Echo Err.Number                       ' expect: 13
