' 生成读取文件信息的代码：大小、修改时间、创建时间、类型。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, parts, code
    path = InputBox("文件的完整路径：", "文件信息", "C:\Temp\data.txt")
    If IsEmpty(path) Then Exit Sub
    parts = "|" & CBatCode.CheckDLG("Size|大小（字节）,DateLastModified|修改时间,DateCreated|创建时间,Type|文件类型", "要读取哪些信息？") & "|"
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "Set file = fso.GetFile(" & Quoted(path) & ")" & vbCrLf
    If InStr(parts, "|Size|") > 0 Then code = code & "fileSize = file.Size" & vbCrLf
    If InStr(parts, "|DateLastModified|") > 0 Then code = code & "modified = file.DateLastModified" & vbCrLf
    If InStr(parts, "|DateCreated|") > 0 Then code = code & "created = file.DateCreated" & vbCrLf
    If InStr(parts, "|Type|") > 0 Then code = code & "fileType = file.Type" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
