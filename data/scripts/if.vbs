' 生成 If...Then...Else 条件判断：询问条件，并选择是否要 Else 分支。
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
    Dim condition, code
    condition = InputBox("请输入判断条件（例如 a > 10）：", "条件判断", "a > 10")
    If IsEmpty(condition) Then Exit Sub
    If Not IsExpression(condition) Then
        BadExpression condition
        Exit Sub
    End If
    code = "If " & condition & " Then" & vbCrLf & "    ' 条件成立时执行" & vbCrLf
    Select Case CBatCode.OptionDLG("需要 Else 分支,不需要 Else 分支", "条件不成立时是否另做处理？")
        Case "需要 Else 分支": code = code & "Else" & vbCrLf & "    ' 条件不成立时执行" & vbCrLf
        Case "不需要 Else 分支"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn code & "End If" & vbCrLf
End Sub

GenerateStatement
