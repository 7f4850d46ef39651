' 生成取当前日期时间的语句：Now、Date 或 Time。
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
    Dim target, fn
    Select Case CBatCode.OptionDLG("日期和时间（Now）,只要日期（Date）,只要时间（Time）", "要取什么？")
        Case "日期和时间（Now）": fn = "Now": target = "current"
        Case "只要日期（Date）": fn = "Date": target = "today"
        Case "只要时间（Time）": fn = "Time": target = "clock"
        Case Else: Exit Sub
    End Select
    target = InputBox("保存结果的变量名：", "当前时间", target)
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    CBatCode.StringReturn target & " = " & fn & vbCrLf
End Sub

GenerateStatement
