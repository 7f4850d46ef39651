' 生成截取字符串：取左边、右边或中间的若干个字符。
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
    Dim source, target, kind, start, count, code
    source = InputBox("字符串变量名：", "截取字符串", "text")
    If IsEmpty(source) Then Exit Sub
    target = InputBox("保存结果的变量名：", "截取字符串", "part")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    kind = CBatCode.OptionDLG("从左边取（Left）,从右边取（Right）,从中间取（Mid）", "从哪里截取？")
    If kind = "" Then Exit Sub
    If kind = "从中间取（Mid）" Then
        start = InputBox("从第几个字符开始（从 1 数起）：", "截取字符串", "2")
        If IsEmpty(start) Then Exit Sub
        If Not IsNumeric(start) Then
            MsgBox "起始位置必须是数字。", vbExclamation
            Exit Sub
        End If
    End If
    count = InputBox("取几个字符：", "截取字符串", "3")
    If IsEmpty(count) Then Exit Sub
    If Not IsNumeric(count) Then
        MsgBox "字符个数必须是数字。", vbExclamation
        Exit Sub
    End If
    Select Case kind
        Case "从左边取（Left）": code = target & " = Left(" & source & ", " & CLng(count) & ")"
        Case "从右边取（Right）": code = target & " = Right(" & source & ", " & CLng(count) & ")"
        Case Else: code = target & " = Mid(" & source & ", " & CLng(start) & ", " & CLng(count) & ")"
    End Select
    CBatCode.StringReturn code & vbCrLf
End Sub

GenerateStatement
