' 生成数字格式化：保留小数位、百分比或货币格式。
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
    Dim source, digits, fn
    source = InputBox("数字变量名：", "格式化数字", "amount")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("千位分隔的数字（FormatNumber）,百分比（FormatPercent）,货币（FormatCurrency）", "格式：")
        Case "千位分隔的数字（FormatNumber）": fn = "FormatNumber"
        Case "百分比（FormatPercent）": fn = "FormatPercent"
        Case "货币（FormatCurrency）": fn = "FormatCurrency"
        Case Else: Exit Sub
    End Select
    digits = InputBox("保留几位小数：", "格式化数字", "2")
    If IsEmpty(digits) Then Exit Sub
    If Not IsNumeric(digits) Then
        MsgBox "小数位数必须是数字。", vbExclamation
        Exit Sub
    End If
    CBatCode.StringReturn "formatted = " & fn & "(" & source & ", " & CLng(digits) & ")" & vbCrLf
End Sub

GenerateStatement
