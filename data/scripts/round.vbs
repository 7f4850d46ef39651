' 生成取整与四舍五入：Int、Fix、Round。
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
    Dim source, target, code, digits
    source = InputBox("数字变量名：", "取整", "value")
    If IsEmpty(source) Then Exit Sub
    target = InputBox("保存结果的变量名：", "取整", "result")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("向下取整（Int）,去掉小数部分（Fix）,四舍五入到指定位数（Round）", "取整方式：")
        Case "向下取整（Int）": code = target & " = Int(" & source & ")"
        Case "去掉小数部分（Fix）": code = target & " = Fix(" & source & ")"
        Case "四舍五入到指定位数（Round）"
            digits = InputBox("保留几位小数：", "取整", "2")
            If IsEmpty(digits) Then Exit Sub
            If Not IsNumeric(digits) Then
                MsgBox "小数位数必须是数字。", vbExclamation
                Exit Sub
            End If
            code = target & " = Round(" & source & ", " & CLng(digits) & ")"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn code & vbCrLf
End Sub

GenerateStatement
