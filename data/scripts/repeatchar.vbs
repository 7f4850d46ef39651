' 生成重复字符：String 重复某个字符，Space 生成若干空格。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

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
    Dim target, count, ch, code
    target = InputBox("保存结果的变量名：", "重复字符", "line")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    count = InputBox("重复多少次：", "重复字符", "20")
    If IsEmpty(count) Then Exit Sub
    If Not IsNumeric(count) Then
        MsgBox "次数必须是数字。", vbExclamation
        Exit Sub
    End If
    ch = InputBox("重复哪个字符（留空表示空格）：", "重复字符", "-")
    If IsEmpty(ch) Then Exit Sub
    If ch = "" Then
        code = target & " = Space(" & CLng(count) & ")"
    Else
        code = target & " = String(" & CLng(count) & ", " & Quoted(Left(ch, 1)) & ")"
    End If
    CBatCode.StringReturn code & vbCrLf
End Sub

GenerateStatement
