' 生成 For Each...Next：逐个访问数组、集合或字典中的每一项。
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
    Dim item, group, code
    item = InputBox("代表每一项的变量名：", "逐项循环", "item")
    If IsEmpty(item) Then Exit Sub
    group = InputBox("要遍历的数组或集合（如 items、folder.Files）：", "逐项循环", "items")
    If IsEmpty(group) Then Exit Sub
    If Not IsName(item) Then
        BadName item
        Exit Sub
    End If
    If Not IsExpression(group) Then
        BadExpression group
        Exit Sub
    End If
    code = "For Each " & item & " In " & group & vbCrLf
    code = code & "    ' 对 " & item & " 进行处理" & vbCrLf
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
