' 生成用正则表达式找出全部匹配的代码，可选忽略大小写。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

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
    Dim source, pattern, options, code
    source = InputBox("在哪个字符串变量中查找：", "正则查找", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    pattern = InputBox("正则表达式：", "正则查找", "\d+")
    If IsEmpty(pattern) Then Exit Sub
    options = "|" & CBatCode.CheckDLG("ignore|忽略大小写,multi|多行模式（^ 和 $ 匹配每一行）", "选项：") & "|"
    code = "Set re = New RegExp" & vbCrLf
    code = code & "re.Pattern = " & Quoted(pattern) & vbCrLf
    code = code & "re.Global = True" & vbCrLf
    If InStr(options, "|ignore|") > 0 Then code = code & "re.IgnoreCase = True" & vbCrLf
    If InStr(options, "|multi|") > 0 Then code = code & "re.Multiline = True" & vbCrLf
    code = code & "For Each match In re.Execute(" & source & ")" & vbCrLf
    code = code & "    ' match.Value 是匹配的文字，match.FirstIndex 是位置（从 0 数起）" & vbCrLf
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
