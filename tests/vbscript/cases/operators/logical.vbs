' Bitwise on whole numbers, Boolean on Booleans; Not binds looser than =.
WScript.Echo 12 And 10, 12 Or 3, 12 Xor 10   ' expect: 8 15 6
WScript.Echo Not 0, Not -1, Not 5            ' expect: -1 0 -6
WScript.Echo True And False, True Or False   ' expect: 0 -1
WScript.Echo CStr(True Xor True)             ' expect: False
WScript.Echo CStr(True Eqv True), CStr(False Imp False) ' expect: True True
WScript.Echo 5 Eqv 3, 5 Imp 3                ' expect: -7 -5
a = 1 : b = 2
WScript.Echo Not a = b                       ' expect: -1
WScript.Echo CStr(Not a = b)                 ' expect: True
' Null rules.
WScript.Echo CStr(Null And False), TypeName(Null And True) ' expect: False Null
WScript.Echo CStr(Null Or True), TypeName(Null Or False)   ' expect: True Null
WScript.Echo TypeName(Null Xor True), TypeName(Not Null)   ' expect: Null Null
WScript.Echo CStr(False Imp Null), CStr(Null Imp True)     ' expect: True True
' Both sides are always evaluated.
Function Loud(v)
    WScript.Echo "eval " & v
    Loud = v
End Function
r = Loud(False) And Loud(True)               ' expect: eval False
                                             ' expect: eval True
WScript.Echo CStr(r)                         ' expect: False
