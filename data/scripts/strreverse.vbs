' 生成 StrReverse：把字符串倒过来。
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
    Dim source
    source = InputBox("字符串变量名：", "字符串反转", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    CBatCode.StringReturn source & " = StrReverse(" & source & ")" & vbCrLf
End Sub

GenerateStatement
