' 生成大小写转换：UCase 转大写，LCase 转小写。
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
    Dim source, fn
    source = InputBox("字符串变量名：", "大小写转换", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("转为大写（UCase）,转为小写（LCase）", "转换方式：")
        Case "转为大写（UCase）": fn = "UCase"
        Case "转为小写（LCase）": fn = "LCase"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn source & " = " & fn & "(" & source & ")" & vbCrLf
End Sub

GenerateStatement
