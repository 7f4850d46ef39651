' 生成以管理员身份重新运行本脚本的代码，放在脚本开头。
Sub GenerateStatement()
    Dim code
    code = "If WScript.Arguments.Named.Exists(""elevated"") = False Then" & vbCrLf
    code = code & "    CreateObject(""Shell.Application"").ShellExecute ""wscript.exe"", """""""" & WScript.ScriptFullName & """""" /elevated"", """", ""runas"", 1" & vbCrLf
    code = code & "    WScript.Quit" & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
