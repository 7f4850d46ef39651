' 生成 With 语句：对同一个对象连续设置多个属性。
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
    Dim target, answer, members, i, code
    target = InputBox("对象（如 shortcut、fso.GetFile(path)）：", "With 语句", "shortcut")
    If IsEmpty(target) Then Exit Sub
    If Not IsExpression(target) Then
        BadExpression target
        Exit Sub
    End If
    answer = InputBox("要设置的属性名，用空格分隔（可以留空）：", "With 语句", "TargetPath WorkingDirectory")
    If IsEmpty(answer) Then Exit Sub
    code = "With " & target & vbCrLf
    members = Split(Trim(answer), " ")
    For i = 0 To UBound(members)
        If members(i) <> "" Then
            If Not IsName(members(i)) Then
                BadName members(i)
                Exit Sub
            End If
            code = code & "    ." & members(i) & " = """"" & vbCrLf
        End If
    Next
    If Trim(answer) = "" Then code = code & "    ' .属性 = 值" & vbCrLf
    CBatCode.StringReturn code & "End With" & vbCrLf
End Sub

GenerateStatement
