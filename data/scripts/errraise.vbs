' 生成 Err.Raise：主动引发一个自定义错误。
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

Sub BadExpression(e)
    MsgBox "“" & e & "”不是合法的 VBScript 表达式，请检查括号、引号和运算符。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim number, description
    number = InputBox("错误号（自定义错误建议用 vbObjectError + 数字）：", "引发错误", "vbObjectError + 1")
    If IsEmpty(number) Then Exit Sub
    If Not IsExpression(number) Then
        BadExpression number
        Exit Sub
    End If
    description = InputBox("错误说明：", "引发错误", "参数无效")
    If IsEmpty(description) Then Exit Sub
    CBatCode.StringReturn "Err.Raise " & number & ", ""MyScript"", " & Quoted(description) & vbCrLf
End Sub

GenerateStatement
