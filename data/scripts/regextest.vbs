' 生成用正则表达式检查文字格式的代码，例如手机号、邮箱、纯数字。
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
    Dim source, pattern, code
    source = InputBox("要检查的字符串变量名：", "正则检查", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("手机号码,电子邮箱,纯数字,日期（年-月-日）,自己输入…", "检查哪种格式？")
        Case "手机号码": pattern = "^1[3-9]\d{9}$"
        Case "电子邮箱": pattern = "^[\w.+-]+@[\w-]+(\.[\w-]+)+$"
        Case "纯数字": pattern = "^\d+$"
        Case "日期（年-月-日）": pattern = "^\d{4}-\d{1,2}-\d{1,2}$"
        Case "自己输入…"
            pattern = InputBox("正则表达式：", "正则检查", "^[A-Za-z]+$")
            If IsEmpty(pattern) Then Exit Sub
        Case Else: Exit Sub
    End Select
    code = "Set re = New RegExp" & vbCrLf
    code = code & "re.Pattern = " & Quoted(pattern) & vbCrLf
    code = code & "If re.Test(" & source & ") Then" & vbCrLf
    code = code & "    ' 格式正确" & vbCrLf
    code = code & "Else" & vbCrLf
    code = code & "    ' 格式不对" & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
