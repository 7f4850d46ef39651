' 生成 For...Next 计数循环：询问循环变量、起止值和步长。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
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

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Sub BadExpression(e)
    MsgBox "“" & e & "”不是合法的 VBScript 表达式，请检查括号、引号和运算符。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim index, first, last, stepBy, code
    index = InputBox("循环变量名：", "计数循环", "i")
    If IsEmpty(index) Then Exit Sub
    If Not IsName(index) Then
        BadName index
        Exit Sub
    End If
    first = InputBox("起始值：", "计数循环", "1")
    If IsEmpty(first) Then Exit Sub
    last = InputBox("结束值（可以是表达式，如 UBound(a)）：", "计数循环", "10")
    If IsEmpty(last) Then Exit Sub
    stepBy = InputBox("步长（每次增加多少，1 可以留空）：", "计数循环", "1")
    If IsEmpty(stepBy) Then Exit Sub
    If Not IsExpression(first) Then
        BadExpression first
        Exit Sub
    End If
    If Not IsExpression(last) Then
        BadExpression last
        Exit Sub
    End If
    code = "For " & index & " = " & first & " To " & last
    If Trim(stepBy) <> "" And Trim(stepBy) <> "1" Then
        If Not IsExpression(stepBy) Then
            BadExpression stepBy
            Exit Sub
        End If
        code = code & " Step " & stepBy
    End If
    code = code & vbCrLf & "    ' 循环体" & vbCrLf & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
