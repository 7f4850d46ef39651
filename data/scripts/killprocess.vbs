' 生成结束指定进程的代码（结束所有同名进程）。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim name, code
    name = InputBox("要结束的进程名（如 notepad.exe）：", "结束进程", "notepad.exe")
    If IsEmpty(name) Then Exit Sub
    If Trim(name) = "" Or InStr(name, "'") > 0 Then
        MsgBox "请输入进程的文件名，不能含有单引号。", vbExclamation
        Exit Sub
    End If
    code = "Set wmi = GetObject(""winmgmts:\\.\root\cimv2"")" & vbCrLf
    code = code & "For Each process In wmi.ExecQuery(" & Quoted("SELECT * FROM Win32_Process WHERE Name = '" & Trim(name) & "'") & ")" & vbCrLf
    code = code & "    process.Terminate" & vbCrLf
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
