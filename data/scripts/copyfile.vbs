' 生成复制文件的代码：选择目标文件夹，可选择是否覆盖同名文件。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim source, target, overwrite, code
    source = InputBox("要复制的文件（可用通配符，如 C:\Temp\*.txt）：", "复制文件", "C:\Temp\data.txt")
    If IsEmpty(source) Then Exit Sub
    target = CBatCode.FolderDialog("复制到哪个文件夹？")
    If target = "none" Then Exit Sub
    If target = "" Then
        MsgBox "没有选择目标文件夹。", vbExclamation
        Exit Sub
    End If
    overwrite = CBatCode.OptionDLG("覆盖,不覆盖（同名时出错）", "目标处已有同名文件时：")
    If overwrite = "" Then Exit Sub
    If Right(target, 1) <> "\" And Right(target, 1) <> "/" Then target = target & "\"
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "fso.CopyFile " & Quoted(source) & ", " & Quoted(target) & ", " & CStr(overwrite = "覆盖") & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
