' 生成创建文件夹的代码：先判断是否已存在，不存在才创建。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim parent, name, code
    parent = CBatCode.FolderDialog("在哪个文件夹里创建新文件夹？")
    If parent = "none" Then Exit Sub
    name = InputBox("新文件夹的名称：", "创建文件夹", "新建文件夹")
    If IsEmpty(name) Then Exit Sub
    If name = "" Then
        MsgBox "文件夹名称不能为空。", vbExclamation
        Exit Sub
    End If
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    If parent = "" Then
        code = code & "folderPath = " & Quoted(name) & vbCrLf
    Else
        code = code & "folderPath = fso.BuildPath(" & Quoted(parent) & ", " & Quoted(name) & ")" & vbCrLf
    End If
    code = code & "If Not fso.FolderExists(folderPath) Then fso.CreateFolder folderPath" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
