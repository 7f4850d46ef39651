' 生成类型判断：检查变量是否为数字、日期、数组、对象、空值等。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim name, test, label
    name = InputBox("要检查的变量名：", "类型判断", "value")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的变量名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("是数字,是日期,是数组,是对象,未赋值（Empty）,是 Null,显示类型名", "要判断什么？")
        Case "是数字": test = "IsNumeric(" & name & ")": label = "是数字"
        Case "是日期": test = "IsDate(" & name & ")": label = "是日期"
        Case "是数组": test = "IsArray(" & name & ")": label = "是数组"
        Case "是对象": test = "IsObject(" & name & ")": label = "是对象"
        Case "未赋值（Empty）": test = "IsEmpty(" & name & ")": label = "还没有赋值"
        Case "是 Null": test = "IsNull(" & name & ")": label = "是 Null"
        Case "显示类型名"
            CBatCode.StringReturn "MsgBox ""变量 " & name & " 的类型是："" & TypeName(" & name & ")" & vbCrLf
            Exit Sub
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn "If " & test & " Then" & vbCrLf & "    ' " & name & " " & label & vbCrLf & "End If" & vbCrLf
End Sub

GenerateStatement
