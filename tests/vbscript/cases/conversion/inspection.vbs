' TypeName and VarType for every subtype.
Dim a(2), d()
WScript.Echo TypeName(Empty), VarType(Empty)          ' expect: Empty 0
WScript.Echo TypeName(Null), VarType(Null)            ' expect: Null 1
WScript.Echo VarType(1), VarType(70000), VarType(CSng(1)), VarType(1.5) ' expect: 2 3 4 5
WScript.Echo VarType(CCur(1)), VarType(#2026-01-02#), VarType("s") ' expect: 6 7 8
WScript.Echo VarType(Nothing), VarType(True), VarType(CByte(1)) ' expect: 9 11 17
WScript.Echo TypeName(a), VarType(a), TypeName(d)    ' expect: Variant() 8204 Variant()
WScript.Echo TypeName(Nothing)                        ' expect: Nothing
WScript.Echo CStr(IsEmpty(x)), CStr(IsEmpty(""))      ' expect: True False
WScript.Echo CStr(IsNull(Null)), CStr(IsNull(Empty))  ' expect: True False
WScript.Echo CStr(IsNumeric("12.5")), CStr(IsNumeric("abc")), CStr(IsNumeric(Empty)) ' expect: True False True
WScript.Echo CStr(IsNumeric(" -3 ")), CStr(IsNumeric("")), CStr(IsNumeric(Null)) ' expect: True False False
WScript.Echo CStr(IsArray(a)), CStr(IsArray(1)), CStr(IsObject(Nothing)) ' expect: True False True
