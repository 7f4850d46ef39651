' Compile errors raised by code run through ExecuteGlobal, with their numbers.
Sub Try(code)
    On Error Resume Next
    ExecuteGlobal code
    WScript.Echo Err.Number & " " & Err.Description
End Sub
Try "x = "                                   ' expect: 1023 Expected expression
Try "If x Then" & vbCrLf & "y = 1"           ' expect: 1014 Expected 'End'
Try "If x Then"                              ' expect: 1014 Expected 'End'
Try "If x y = 1"                             ' expect: 1017 Expected 'Then'
Try "For i = 1 5" & vbCrLf & "Next"          ' expect: 1013 Expected 'To'
Try "For i = 1 To 5" & vbCrLf & "x = 1"      ' expect: 1020 Expected 'Next'
Try "Do" & vbCrLf & "x = 1" & vbCrLf & "End"  ' expect: 1019 Expected 'Loop'
Try "Loop"                                   ' expect: 1038 'loop' without 'do'
Try "Next"                                   ' expect: 1055 Unexpected 'Next'
Try "While True" & vbCrLf & "Loop"           ' expect: 1018 Expected 'Wend'
Try "x = (1 + 2"                             ' expect: 1006 Expected ')'
Try "x = ""abc"                              ' expect: 1033 Unterminated string constant
Try "x = 1 $ 2"                              ' expect: 1032 Invalid character
Try "Dim 5"                                  ' expect: 1010 Expected identifier
Try "Exit For"                               ' expect: 1039 Invalid 'exit' statement
Try "Sub A(x, x)" & vbCrLf & "End Sub"       ' expect: 1041 Name redefined
Try "Sub A()" & vbCrLf & "End Function"      ' expect: 1016 Expected 'Sub'
Try "Function A()" & vbCrLf & "End Sub"      ' expect: 1015 Expected 'Function'
Try "Greet(1, 2)"                            ' expect: 1044 Cannot use parentheses when calling a Sub
Try "Const c = x"                            ' expect: 1045 Expected literal constant
Try "Select Case 1" & vbCrLf & "End If"      ' expect: 1022 Expected 'Select'
Try "With x" & vbCrLf & "End Sub"            ' expect: 1029 Expected 'With'
Try "x = 1 2"                                ' expect: 1025 Expected end of statement
Try "Class A" & vbCrLf & "Sub Class_Initialize(x)" & vbCrLf & "End Sub" & vbCrLf & "End Class" ' expect: 1053 Class initialize or terminate do not have arguments
Try "Class A" & vbCrLf & "Property Let P()" & vbCrLf & "End Property" & vbCrLf & "End Class" ' expect: 1054 Property set or let must have at least one argument
Try "Class A" & vbCrLf & "Property Foo" & vbCrLf & "End Class" ' expect: 1049 Expected Let or Set or Get in property declaration
Try "Property Get P" & vbCrLf & "End Property" ' expect: 1048 Must be defined inside a Class
Try "x = Me"                                 ' expect: 1037 Invalid use of 'Me' keyword
Try "Dim a(n)"                               ' expect: 1026 Expected integer constant
Try "For Each x 5" & vbCrLf & "Next"         ' expect: 1046 Expected 'In'
Try "x = &H"                                 ' expect: 1031 Invalid number
Try "[abc = 1"                               ' expect: 1007 Expected ']'
Try "Class A" & vbCrLf & "Public Default Sub S" & vbCrLf & "End Sub" & vbCrLf & "Public Default Function F" & vbCrLf & "End Function" & vbCrLf & "End Class" ' expect: 1052 Cannot have multiple default property/method in a Class
Try "Class A" & vbCrLf & "Private Default Function F" & vbCrLf & "End Function" & vbCrLf & "End Class" ' expect: 1057 'Default' specification must also specify 'Public'
Try "Class A" & vbCrLf & "Public Default Property Let P(v)" & vbCrLf & "End Property" & vbCrLf & "End Class" ' expect: 1058 'Default' specification can only be on Property Get
Try "Option Strict"                          ' expect: 1002 Syntax error
Try "Select 1"                               ' expect: 1021 Expected 'Case'
Try "If True Then" & vbCrLf & "End Sub"      ' expect: 1012 Expected 'If'
Try "Sub A" & vbCrLf & "Sub B" & vbCrLf & "End Sub" & vbCrLf & "End Sub" ' expect: 1024 Expected statement
Try "Do While" & vbCrLf & "Loop"             ' expect: 1023 Expected expression
Try "Do Whilst" & vbCrLf & "Loop"            ' expect: 1028 Expected 'While', 'Until' or end of statement
Try "Class" & vbCrLf & "End Class"           ' expect: 1010 Expected identifier
Try "Class A" & vbCrLf & "Dim x"             ' expect: 1047 Expected 'Class'
Try "Set x 5"                                ' expect: 1011 Expected '='
Try "Public Default x"                       ' expect: 1056 'Default' can be specified only on 'Property Get'
Try "Function F()" & vbCrLf & "Exit Sub" & vbCrLf & "End Function" ' expect: 1039 Invalid 'exit' statement
Try "x = 1" & vbCrLf & "End"                 ' expect: 1024 Expected statement
Try "ReDim a"                                ' expect: 1005 Expected '('
Try String(256, "a") & " = 1"                ' expect: 1030 Identifier too long
