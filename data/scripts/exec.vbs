' 生成运行命令行程序并读取其输出的代码（WScript.Shell 的 Exec）。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim command, code
    command = InputBox("要运行的命令：", "获取命令输出", "cmd /c ipconfig")
    If IsEmpty(command) Then Exit Sub
    If Trim(command) = "" Then
        MsgBox "命令不能为空。", vbExclamation
        Exit Sub
    End If
    code = "Set shell = CreateObject(""WScript.Shell"")" & vbCrLf
    code = code & "Set process = shell.Exec(" & Quoted(command) & ")" & vbCrLf
    code = code & "output = process.StdOut.ReadAll" & vbCrLf
    code = code & "Do While process.Status = 0" & vbCrLf
    code = code & "    WScript.Sleep 50" & vbCrLf
    code = code & "Loop" & vbCrLf
    code = code & "exitCode = process.ExitCode" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
