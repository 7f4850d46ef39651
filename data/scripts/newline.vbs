' 生成在字符串末尾追加特殊字符的语句：换行、制表符、双引号等。
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
    Dim target, ch
    target = InputBox("要追加到哪个字符串变量：", "特殊字符", "text")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("换行（vbCrLf）,制表符（vbTab）,双引号（Chr(34)）,回车（vbCr）,换行符（vbLf）", "追加哪个特殊字符？")
        Case "换行（vbCrLf）": ch = "vbCrLf"
        Case "制表符（vbTab）": ch = "vbTab"
        Case "双引号（Chr(34)）": ch = "Chr(34)"
        Case "回车（vbCr）": ch = "vbCr"
        Case "换行符（vbLf）": ch = "vbLf"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn target & " = " & target & " & " & ch & vbCrLf
End Sub

GenerateStatement
