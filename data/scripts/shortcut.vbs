' 生成在桌面创建快捷方式的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim target, name, code
    target = InputBox("快捷方式指向的程序或文件：", "创建快捷方式", "C:\Windows\notepad.exe")
    If IsEmpty(target) Then Exit Sub
    name = InputBox("快捷方式的名称：", "创建快捷方式", "记事本")
    If IsEmpty(name) Then Exit Sub
    If Trim(name) = "" Then
        MsgBox "名称不能为空。", vbExclamation
        Exit Sub
    End If
    code = "Set shell = CreateObject(""WScript.Shell"")" & vbCrLf
    code = code & "Set shortcut = shell.CreateShortcut(shell.SpecialFolders(""Desktop"") & " & Quoted("\" & name & ".lnk") & ")" & vbCrLf
    code = code & "shortcut.TargetPath = " & Quoted(target) & vbCrLf
    code = code & "shortcut.WorkingDirectory = CreateObject(""Scripting.FileSystemObject"").GetParentFolderName(shortcut.TargetPath)" & vbCrLf
    code = code & "shortcut.Save" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
