' 生成用 WMI 判断某个程序是否正在运行的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim name, code
    name = InputBox("进程名（如 notepad.exe）：", "进程是否运行", "notepad.exe")
    If IsEmpty(name) Then Exit Sub
    If Trim(name) = "" Or InStr(name, "'") > 0 Then
        MsgBox "请输入进程的文件名，不能含有单引号。", vbExclamation
        Exit Sub
    End If
    code = "Set wmi = GetObject(""winmgmts:\\.\root\cimv2"")" & vbCrLf
    code = code & "Set processes = wmi.ExecQuery(" & Quoted("SELECT * FROM Win32_Process WHERE Name = '" & Trim(name) & "'") & ")" & vbCrLf
    code = code & "If processes.Count > 0 Then" & vbCrLf
    code = code & "    ' 程序正在运行" & vbCrLf
    code = code & "Else" & vbCrLf
    code = code & "    ' 程序没有运行" & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
