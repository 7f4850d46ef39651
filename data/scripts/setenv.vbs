' 生成设置环境变量的代码：只对本进程有效，或长期保存到用户环境变量。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim name, value, scope, code
    name = InputBox("环境变量名：", "设置环境变量", "MY_SETTING")
    If IsEmpty(name) Then Exit Sub
    If Trim(name) = "" Or InStr(name, "=") > 0 Then
        MsgBox "环境变量名不能为空，也不能含有等号。", vbExclamation
        Exit Sub
    End If
    value = InputBox("值：", "设置环境变量", "1")
    If IsEmpty(value) Then Exit Sub
    Select Case CBatCode.OptionDLG("仅本进程（Process）,当前用户（User，长期有效）,整个系统（System，需要管理员权限）", "作用范围：")
        Case "仅本进程（Process）": scope = "Process"
        Case "当前用户（User，长期有效）": scope = "User"
        Case "整个系统（System，需要管理员权限）": scope = "System"
        Case Else: Exit Sub
    End Select
    code = "Set environment = CreateObject(""WScript.Shell"").Environment(""" & scope & """)" & vbCrLf
    code = code & "environment(" & Quoted(name) & ") = " & Quoted(value) & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
