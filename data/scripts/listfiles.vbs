' 生成遍历文件夹中所有文件的循环，可只处理某种扩展名。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, ext, code
    path = CBatCode.FolderDialog("要遍历哪个文件夹中的文件？")
    If path = "none" Then Exit Sub
    If path = "" Then
        MsgBox "没有选择文件夹。", vbExclamation
        Exit Sub
    End If
    ext = InputBox("只处理哪种扩展名（如 txt；留空表示全部文件）：", "遍历文件", "txt")
    If IsEmpty(ext) Then Exit Sub
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "For Each file In fso.GetFolder(" & Quoted(path) & ").Files" & vbCrLf
    If Trim(ext) = "" Then
        code = code & "    ' file.Name 是文件名，file.Path 是完整路径" & vbCrLf
    Else
        code = code & "    If LCase(fso.GetExtensionName(file.Name)) = " & Quoted(LCase(Trim(ext))) & " Then" & vbCrLf
        code = code & "        ' file.Name 是文件名，file.Path 是完整路径" & vbCrLf
        code = code & "    End If" & vbCrLf
    End If
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
