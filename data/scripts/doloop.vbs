' 生成 Do...Loop 条件循环：可选先判断或后判断、“当”或“直到”。
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
    kind = CBatCode.OptionDLG("Do While…Loop（先判断，条件成立时循环）,Do Until…Loop（先判断，直到条件成立）,Do…Loop While（先执行一次，条件成立时继续）,Do…Loop Until（先执行一次，直到条件成立）,Do…Loop（无条件，用 Exit Do 退出）", "选择循环的形式：")
    If kind = "" Then Exit Sub
    If Left(kind, 7) <> "Do…Loop" Or InStr(kind, "While") > 0 Or InStr(kind, "Until") > 0 Then
        condition = InputBox("循环条件：", "条件循环", "count < 10")
        If IsEmpty(condition) Then Exit Sub
        If Not IsExpression(condition) Then
            BadExpression condition
            Exit Sub
        End If
    End If
    Select Case Left(kind, InStr(kind, "（") - 1)
        Case "Do While…Loop": code = "Do While " & condition & vbCrLf & "    ' 循环体" & vbCrLf & "Loop" & vbCrLf
        Case "Do Until…Loop": code = "Do Until " & condition & vbCrLf & "    ' 循环体" & vbCrLf & "Loop" & vbCrLf
        Case "Do…Loop While": code = "Do" & vbCrLf & "    ' 循环体" & vbCrLf & "Loop While " & condition & vbCrLf
        Case "Do…Loop Until": code = "Do" & vbCrLf & "    ' 循环体" & vbCrLf & "Loop Until " & condition & vbCrLf
        Case Else: code = "Do" & vbCrLf & "    ' 循环体；满足条件时用 Exit Do 退出" & vbCrLf & "    If False Then Exit Do" & vbCrLf & "Loop" & vbCrLf
    End Select
    CBatCode.StringReturn code
End Sub

GenerateStatement
