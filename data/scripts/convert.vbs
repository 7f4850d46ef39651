' 生成类型转换：把变量转换为整数、长整数、小数、文字、真假值或日期。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim source, target, fn
    source = InputBox("要转换的变量名：", "类型转换", "text")
    If IsEmpty(source) Then Exit Sub
    target = InputBox("保存结果的变量名：", "类型转换", "number")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(source) Or Not IsName(target) Then
        MsgBox "变量名须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("整数（CInt）,长整数（CLng）,小数（CDbl）,文字（CStr）,真假值（CBool）,日期（CDate）", "转换成什么类型？")
        Case "整数（CInt）": fn = "CInt"
        Case "长整数（CLng）": fn = "CLng"
        Case "小数（CDbl）": fn = "CDbl"
        Case "文字（CStr）": fn = "CStr"
        Case "真假值（CBool）": fn = "CBool"
        Case "日期（CDate）": fn = "CDate"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn target & " = " & fn & "(" & source & ")" & vbCrLf
End Sub

GenerateStatement
