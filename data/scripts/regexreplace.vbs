' 生成用正则表达式替换文字的代码，替换内容里可用 $1、$2 引用分组。
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
    Dim source, pattern, replacement, code
    source = InputBox("字符串变量名（结果也存回这个变量）：", "正则替换", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    pattern = InputBox("正则表达式：", "正则替换", "\s+")
    If IsEmpty(pattern) Then Exit Sub
    replacement = InputBox("替换成：", "正则替换", " ")
    If IsEmpty(replacement) Then Exit Sub
    code = "Set re = New RegExp" & vbCrLf
    code = code & "re.Pattern = " & Quoted(pattern) & vbCrLf
    code = code & "re.Global = True" & vbCrLf
    code = code & source & " = re.Replace(" & source & ", " & Quoted(replacement) & ")" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
