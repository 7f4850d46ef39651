' 生成延时语句：让脚本暂停若干毫秒或秒。
Sub GenerateStatement()
    Dim unit, amount
    unit = CBatCode.OptionDLG("秒,毫秒", "按什么单位暂停？")
    If unit = "" Then Exit Sub
    amount = InputBox("暂停多少" & unit & "：", "延时", "1")
    If IsEmpty(amount) Then Exit Sub
    If Not IsNumeric(amount) Then
        MsgBox "请输入数字。", vbExclamation
        Exit Sub
    End If
    amount = CDbl(amount)
    If amount < 0 Then
        MsgBox "时间不能是负数。", vbExclamation
        Exit Sub
    End If
    If unit = "秒" Then amount = amount * 1000
    CBatCode.StringReturn "WScript.Sleep " & CLng(amount) & vbCrLf
End Sub

GenerateStatement
