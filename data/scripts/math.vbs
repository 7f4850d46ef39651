' 生成常用数学函数：绝对值、平方根、乘方、符号、十六进制等。
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
    Dim source, fn
    source = InputBox("数字变量名：", "数学函数", "x")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("绝对值（Abs）,平方根（Sqr）,平方（^ 2）,符号（Sgn）,十六进制文字（Hex）,自然对数（Log）", "要计算什么？")
        Case "绝对值（Abs）": fn = "Abs(" & source & ")"
        Case "平方根（Sqr）": fn = "Sqr(" & source & ")"
        Case "平方（^ 2）": fn = source & " ^ 2"
        Case "符号（Sgn）": fn = "Sgn(" & source & ")"
        Case "十六进制文字（Hex）": fn = "Hex(" & source & ")"
        Case "自然对数（Log）": fn = "Log(" & source & ")"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn "result = " & fn & vbCrLf
End Sub

GenerateStatement
