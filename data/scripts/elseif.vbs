' 生成多分支 If...ElseIf...Else：依次输入各个条件。
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
    Dim count, i, condition, code
    count = InputBox("一共有几个条件分支？", "多条件判断", "3")
    If IsEmpty(count) Then Exit Sub
    If Not IsNumeric(count) Then
        MsgBox "分支数必须是数字。", vbExclamation
        Exit Sub
    End If
    count = CLng(count)
    If count < 2 Or count > 20 Then
        MsgBox "分支数应在 2 到 20 之间。", vbExclamation
        Exit Sub
    End If
    code = ""
    For i = 1 To count
        condition = InputBox("请输入第 " & i & " 个条件：", "多条件判断", "score >= " & (100 - i * 10))
        If IsEmpty(condition) Then Exit Sub
        If Not IsExpression(condition) Then
            BadExpression condition
            Exit Sub
        End If
        If i = 1 Then
            code = "If " & condition & " Then" & vbCrLf
        Else
            code = code & "ElseIf " & condition & " Then" & vbCrLf
        End If
        code = code & "    ' 第 " & i & " 个条件成立时执行" & vbCrLf
    Next
    code = code & "Else" & vbCrLf & "    ' 以上条件都不成立时执行" & vbCrLf & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
