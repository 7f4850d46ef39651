' 生成 GetRef：取得函数的引用，以便把函数当作参数传递或稍后调用。
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
    Dim name, target
    name = InputBox("函数或过程名：", "函数引用", "OnTimer")
    If IsEmpty(name) Then Exit Sub
    target = InputBox("保存引用的变量名：", "函数引用", "handler")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    CBatCode.StringReturn "Set " & target & " = GetRef(" & Quoted(name) & ")" & vbCrLf
End Sub

GenerateStatement
