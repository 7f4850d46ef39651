' 生成用 New 创建自定义类的对象并在用完后释放。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim className, name, code
    className = InputBox("类名：", "创建类的对象", "Person")
    If IsEmpty(className) Then Exit Sub
    name = InputBox("对象变量名：", "创建类的对象", "p")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(className) Then
        BadName className
        Exit Sub
    End If
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    code = "Set " & name & " = New " & className & vbCrLf
    code = code & "' 使用 " & name & vbCrLf
    code = code & "Set " & name & " = Nothing" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
