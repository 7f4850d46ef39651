' 生成 Replace：把字符串中的某段文字全部替换为另一段。
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
    Dim source, find, replacement, compare, code
    source = InputBox("字符串变量名（结果也存回这个变量）：", "替换文字", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    find = InputBox("要查找的文字：", "替换文字", "旧")
    If IsEmpty(find) Then Exit Sub
    replacement = InputBox("替换成：", "替换文字", "新")
    If IsEmpty(replacement) Then Exit Sub
    compare = CBatCode.OptionDLG("区分大小写,不区分大小写", "英文字母是否区分大小写？")
    If compare = "" Then Exit Sub
    code = source & " = Replace(" & source & ", " & Quoted(find) & ", " & Quoted(replacement)
    If compare = "不区分大小写" Then code = code & ", 1, -1, vbTextCompare"
    CBatCode.StringReturn code & ")" & vbCrLf
End Sub

GenerateStatement
