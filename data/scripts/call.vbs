' 生成过程或函数的调用语句。
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
    Dim name, args, kind, target, code
    name = InputBox("要调用的过程或函数名：", "调用", "ShowResult")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    args = InputBox("实参，用逗号分隔（没有可留空）：", "调用", """完成""")
    If IsEmpty(args) Then Exit Sub
    If Trim(args) <> "" And Not IsExpression("Array(" & args & ")") Then
        BadExpression args
        Exit Sub
    End If
    kind = CBatCode.OptionDLG("调用过程（Call）,调用过程（不加括号）,调用函数并保存返回值", "如何调用？")
    Select Case kind
        Case "调用过程（Call）"
            code = "Call " & name
            If Trim(args) <> "" Then code = code & "(" & args & ")"
        Case "调用过程（不加括号）"
            code = name
            If Trim(args) <> "" Then code = code & " " & args
        Case "调用函数并保存返回值"
            target = InputBox("保存返回值的变量名：", "调用", "result")
            If IsEmpty(target) Then Exit Sub
            If Not IsName(target) Then
                BadName target
                Exit Sub
            End If
            code = target & " = " & name & "(" & args & ")"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn code & vbCrLf
End Sub

GenerateStatement
