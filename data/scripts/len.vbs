' 生成 Len：求字符串的长度（字符个数）。
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
    Dim source, target
    source = InputBox("字符串变量名：", "字符串长度", "text")
    If IsEmpty(source) Then Exit Sub
    target = InputBox("保存长度的变量名：", "字符串长度", "length")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    CBatCode.StringReturn target & " = Len(" & source & ")" & vbCrLf
End Sub

GenerateStatement
