' 生成 Exit 语句：提前退出循环、过程或函数。
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
    Dim kind, condition, code
    Select Case CBatCode.OptionDLG("退出 For 循环（Exit For）,退出 Do 循环（Exit Do）,退出过程（Exit Sub）,退出函数（Exit Function）", "要退出什么？")
        Case "退出 For 循环（Exit For）": kind = "Exit For"
        Case "退出 Do 循环（Exit Do）": kind = "Exit Do"
        Case "退出过程（Exit Sub）": kind = "Exit Sub"
        Case "退出函数（Exit Function）": kind = "Exit Function"
        Case Else: Exit Sub
    End Select
    condition = InputBox("在什么条件下退出？（留空则无条件退出）", "提前退出", "found")
    If IsEmpty(condition) Then Exit Sub
    If Trim(condition) = "" Then
        code = kind & vbCrLf
    ElseIf IsExpression(condition) Then
        code = "If " & condition & " Then " & kind & vbCrLf
    Else
        BadExpression condition
        Exit Sub
    End If
    CBatCode.StringReturn code
End Sub

GenerateStatement
