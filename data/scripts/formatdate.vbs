' 生成日期格式化：长日期、短日期、时间，或拼成“年-月-日”形式。
Function IsExpression(e)
    ' 把表达式编进一个不会被调用的过程里试试，能编译才算合法。
    If Trim(e) = "" Then
        IsExpression = False
        Exit Function
    End If
    On Error Resume Next
    ExecuteGlobal "Sub ExpressionCheck__()" & vbCrLf & "probe__ = (" & e & ")" & vbCrLf & "End Sub"
    IsExpression = (Err.Number = 0)
    Err.Clear
End Function

Sub BadExpression(e)
    MsgBox "“" & e & "”不是合法的 VBScript 表达式，请检查括号、引号和运算符。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim source, code
    source = InputBox("日期变量或表达式：", "格式化日期", "Now")
    If IsEmpty(source) Then Exit Sub
    If Not IsExpression(source) Then
        BadExpression source
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("长日期（vbLongDate）,短日期（vbShortDate）,时间（vbLongTime）,年-月-日（补零）,年月日时分秒（用作文件名）", "格式：")
        Case "长日期（vbLongDate）": code = "text = FormatDateTime(" & source & ", vbLongDate)"
        Case "短日期（vbShortDate）": code = "text = FormatDateTime(" & source & ", vbShortDate)"
        Case "时间（vbLongTime）": code = "text = FormatDateTime(" & source & ", vbLongTime)"
        Case "年-月-日（补零）"
            code = "text = Year(" & source & ") & ""-"" & Right(""0"" & Month(" & source & "), 2) & ""-"" & Right(""0"" & Day(" & source & "), 2)"
        Case "年月日时分秒（用作文件名）"
            code = "stamp = " & source & vbCrLf
            code = code & "text = Year(stamp) & Right(""0"" & Month(stamp), 2) & Right(""0"" & Day(stamp), 2) & ""_"" & Right(""0"" & Hour(stamp), 2) & Right(""0"" & Minute(stamp), 2) & Right(""0"" & Second(stamp), 2)"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn code & vbCrLf
End Sub

GenerateStatement
