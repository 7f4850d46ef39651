' If in one-line and block forms, ElseIf, Select Case.
x = 5
If x > 3 Then WScript.Echo "big" Else WScript.Echo "small"   ' expect: big
If x > 9 Then WScript.Echo "no" : WScript.Echo "no2"
If x = 5 Then a = 1 : b = 2 Else a = 3
WScript.Echo a, b                                           ' expect: 1 2
If x < 0 Then
    WScript.Echo "neg"
ElseIf x < 5 Then
    WScript.Echo "small"
ElseIf x < 10 Then
    WScript.Echo "medium"                                   ' expect: medium
Else
    WScript.Echo "large"
End If
Function Kind(v)
    Select Case v
        Case 1, 2, 3
            Kind = "low"
        Case 4 To 6, 10
            Kind = "mid"
        Case Is >= 100
            Kind = "huge"
        Case Else
            Kind = "other"
    End Select
End Function
WScript.Echo Kind(2), Kind(5), Kind(10), Kind(500), Kind(50) ' expect: low mid mid huge other
' A text test against a literal number converts the text.
Select Case "5"
    Case 5 : WScript.Echo "five"                            ' expect: five
End Select
On Error Resume Next
Select Case "x"
    Case 1 : WScript.Echo "one"
    Case Else : WScript.Echo "else"
End Select
WScript.Echo Err.Number                                     ' expect: 13
On Error GoTo 0
Select Case "b"
    Case "a" To "c" : WScript.Echo "in range"               ' expect: in range
End Select
Select Case Null
    Case Null : WScript.Echo "null matched"
    Case Else : WScript.Echo "null never equals"            ' expect: null never equals
End Select
