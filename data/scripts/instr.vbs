' 生成 InStr / InStrRev：查找子串出现的位置，找不到时为 0。
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
    Dim source, find, target, fn, code
    source = InputBox("在哪个字符串变量中查找：", "查找子串", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    find = InputBox("要查找的文字：", "查找子串", "abc")
    If IsEmpty(find) Then Exit Sub
    fn = CBatCode.OptionDLG("从前往后找（InStr）,从后往前找（InStrRev）", "查找方向：")
    If fn = "" Then Exit Sub
    fn = Mid(fn, InStr(fn, "（") + 1, InStr(fn, "）") - InStr(fn, "（") - 1)
    target = "position"
    If fn = "InStr" Then
        code = target & " = InStr(" & source & ", " & Quoted(find) & ")" & vbCrLf
    Else
        code = target & " = InStrRev(" & source & ", " & Quoted(find) & ")" & vbCrLf
    End If
    code = code & "If " & target & " > 0 Then" & vbCrLf
    code = code & "    ' 找到了，位置是 " & target & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
