' 生成字符与编码互换：Asc 求字符编码，Chr 由编码得到字符。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim kind, value
    kind = CBatCode.OptionDLG("字符转编码（AscW）,编码转字符（ChrW）", "转换方向：")
    If kind = "" Then Exit Sub
    If kind = "字符转编码（AscW）" Then
        value = InputBox("哪个字符：", "字符编码", "A")
        If IsEmpty(value) Then Exit Sub
        If value = "" Then
            MsgBox "请至少输入一个字符。", vbExclamation
            Exit Sub
        End If
        CBatCode.StringReturn "code = AscW(" & Quoted(Left(value, 1)) & ")" & vbCrLf
    Else
        value = InputBox("字符编码（十进制）：", "字符编码", "65")
        If IsEmpty(value) Then Exit Sub
        If Not IsNumeric(value) Then
            MsgBox "编码必须是数字。", vbExclamation
            Exit Sub
        End If
        CBatCode.StringReturn "ch = ChrW(" & CLng(value) & ")" & vbCrLf
    End If
End Sub

GenerateStatement
