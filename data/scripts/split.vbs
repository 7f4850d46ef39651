' 生成 Split：按分隔符把字符串拆成数组。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim target, source, sep, code
    target = InputBox("保存结果的数组变量名：", "拆分字符串", "parts")
    If IsEmpty(target) Then Exit Sub
    source = InputBox("要拆分的字符串变量名：", "拆分字符串", "line")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(target) Or Not IsName(source) Then
        MsgBox "变量名须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("逗号,空格,制表符,换行,其他…", "用什么分隔？")
        Case "逗号": sep = """,""" 
        Case "空格": sep = """ """
        Case "制表符": sep = "vbTab"
        Case "换行": sep = "vbCrLf"
        Case "其他…"
            sep = InputBox("请输入分隔符：", "拆分字符串", ";")
            If IsEmpty(sep) Or sep = "" Then Exit Sub
            sep = Quoted(sep)
        Case Else: Exit Sub
    End Select
    code = target & " = Split(" & source & ", " & sep & ")" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
