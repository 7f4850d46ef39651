' 生成判断字典中是否有某个键的代码，有则取值，没有则添加。
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
    Dim name, key, code
    name = InputBox("字典变量名：", "查找键", "dict")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    key = InputBox("要查找的键：", "查找键", "apple")
    If IsEmpty(key) Then Exit Sub
    code = "If " & name & ".Exists(" & Quoted(key) & ") Then" & vbCrLf
    code = code & "    value = " & name & ".Item(" & Quoted(key) & ")" & vbCrLf
    code = code & "Else" & vbCrLf
    code = code & "    " & name & ".Add " & Quoted(key) & ", """"" & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
