' 生成遍历字典全部键和值的循环。
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
    name = InputBox("字典变量名：", "遍历字典", "dict")
    If IsEmpty(name) Then Exit Sub
    key = InputBox("代表键的变量名：", "遍历字典", "key")
    If IsEmpty(key) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    If Not IsName(key) Then
        BadName key
        Exit Sub
    End If
    code = "For Each " & key & " In " & name & ".Keys" & vbCrLf
    code = code & "    WScript.Echo " & key & " & "" = "" & " & name & "(" & key & ")" & vbCrLf
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
