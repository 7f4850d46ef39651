' 生成动态执行代码：Execute、ExecuteGlobal 或 Eval。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim kind, source, target
    kind = CBatCode.OptionDLG("Execute（在当前作用域执行语句）,ExecuteGlobal（在全局作用域执行语句）,Eval（计算表达式的值）", "选择执行方式：")
    If kind = "" Then Exit Sub
    source = InputBox("保存代码文字的变量名：", "动态执行", "code")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    Select Case Left(kind, InStr(kind, "（") - 1)
        Case "Execute": CBatCode.StringReturn "Execute " & source & vbCrLf
        Case "ExecuteGlobal": CBatCode.StringReturn "ExecuteGlobal " & source & vbCrLf
        Case "Eval"
            target = InputBox("保存计算结果的变量名：", "动态执行", "result")
            If IsEmpty(target) Then Exit Sub
            If Not IsName(target) Then
                BadName target
                Exit Sub
            End If
            CBatCode.StringReturn target & " = Eval(" & source & ")" & vbCrLf
    End Select
End Sub

GenerateStatement
