' 生成固定大小的数组声明，并可为每个元素赋初值。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim name, size, code
    name = InputBox("请输入数组名：", "定义数组", "items")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的数组名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    size = InputBox("数组有多少个元素？", "定义数组", "5")
    If IsEmpty(size) Then Exit Sub
    If Not IsNumeric(size) Then
        MsgBox "元素个数必须是数字。", vbExclamation
        Exit Sub
    End If
    size = CLng(size)
    If size < 1 Or size > 1000 Then
        MsgBox "元素个数应在 1 到 1000 之间。", vbExclamation
        Exit Sub
    End If
    code = "Dim " & name & "(" & (size - 1) & ")" & vbCrLf
    Select Case CBatCode.OptionDLG("不赋初值,每个元素赋 0,每个元素赋空字符串", "是否给元素赋初值？")
        Case "每个元素赋 0"
            code = code & "For i = 0 To UBound(" & name & ")" & vbCrLf & "    " & name & "(i) = 0" & vbCrLf & "Next" & vbCrLf
        Case "每个元素赋空字符串"
            code = code & "For i = 0 To UBound(" & name & ")" & vbCrLf & "    " & name & "(i) = """"" & vbCrLf & "Next" & vbCrLf
        Case "不赋初值"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn code
End Sub

GenerateStatement
