' 生成取日期的组成部分：年、月、日、星期、时、分、秒。
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
    Dim source, code, parts
    source = InputBox("日期变量或表达式：", "日期各部分", "Now")
    If IsEmpty(source) Then Exit Sub
    If Not IsExpression(source) Then
        BadExpression source
        Exit Sub
    End If
    parts = "|" & CBatCode.CheckDLG("Year|年,Month|月,Day|日,Weekday|星期几（1 为星期日）,Hour|时,Minute|分,Second|秒", "要取哪些部分？") & "|"
    code = ""
    If InStr(parts, "|Year|") > 0 Then code = code & "y = Year(" & source & ")" & vbCrLf
    If InStr(parts, "|Month|") > 0 Then code = code & "m = Month(" & source & ")" & vbCrLf
    If InStr(parts, "|Day|") > 0 Then code = code & "d = Day(" & source & ")" & vbCrLf
    If InStr(parts, "|Weekday|") > 0 Then code = code & "w = Weekday(" & source & ")" & vbCrLf
    If InStr(parts, "|Hour|") > 0 Then code = code & "h = Hour(" & source & ")" & vbCrLf
    If InStr(parts, "|Minute|") > 0 Then code = code & "n = Minute(" & source & ")" & vbCrLf
    If InStr(parts, "|Second|") > 0 Then code = code & "s = Second(" & source & ")" & vbCrLf
    If code = "" Then Exit Sub
    CBatCode.StringReturn code
End Sub

GenerateStatement
