' 生成 While...Wend 循环：条件成立时反复执行。
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
    Dim condition
    condition = InputBox("循环条件：", "While 循环", "n < 100")
    If IsEmpty(condition) Then Exit Sub
    If Not IsExpression(condition) Then
        BadExpression condition
        Exit Sub
    End If
    CBatCode.StringReturn "While " & condition & vbCrLf & "    ' 循环体" & vbCrLf & "Wend" & vbCrLf
End Sub

GenerateStatement
