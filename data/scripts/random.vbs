' 生成指定范围内的随机整数。
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
    Dim target, low, high, code
    target = InputBox("保存随机数的变量名：", "随机数", "number")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    low = InputBox("最小值：", "随机数", "1")
    If IsEmpty(low) Then Exit Sub
    high = InputBox("最大值：", "随机数", "100")
    If IsEmpty(high) Then Exit Sub
    If Not IsNumeric(low) Or Not IsNumeric(high) Then
        MsgBox "最小值和最大值都必须是数字。", vbExclamation
        Exit Sub
    End If
    low = CLng(low)
    high = CLng(high)
    If low > high Then
        MsgBox "最小值不能大于最大值。", vbExclamation
        Exit Sub
    End If
    code = "Randomize" & vbCrLf
    code = code & target & " = Int(" & (high - low + 1) & " * Rnd + " & low & ")" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
