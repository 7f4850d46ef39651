' 生成 Select Case 多路选择：询问要判断的表达式和各个取值。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

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

Function NumberText(v)
    ' 用户输入的数字写成代码里的数字字面量（去掉千位分隔符等）。
    NumberText = CStr(CDbl(v))
End Function

Sub BadExpression(e)
    MsgBox "“" & e & "”不是合法的 VBScript 表达式，请检查括号、引号和运算符。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim expr, answer, values, i, asText, code
    expr = InputBox("要判断的变量或表达式：", "多路选择", "choice")
    If IsEmpty(expr) Then Exit Sub
    If Not IsExpression(expr) Then
        BadExpression expr
        Exit Sub
    End If
    answer = InputBox("请输入各个取值，用竖线 | 分隔：", "多路选择", "1|2|3")
    If IsEmpty(answer) Then Exit Sub
    asText = (CBatCode.OptionDLG("数字,文字", "取值是数字还是文字？") = "文字")
    values = Split(answer, "|")
    code = "Select Case " & expr & vbCrLf
    For i = 0 To UBound(values)
        If asText Then
            code = code & "    Case " & Quoted(values(i)) & vbCrLf
        ElseIf IsNumeric(values(i)) Then
            code = code & "    Case " & NumberText(values(i)) & vbCrLf
        Else
            MsgBox "“" & values(i) & "”不是数字。", vbExclamation
            Exit Sub
        End If
        code = code & "        ' 取值为 " & values(i) & " 时执行" & vbCrLf
    Next
    code = code & "    Case Else" & vbCrLf & "        ' 其他取值时执行" & vbCrLf & "End Select" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
