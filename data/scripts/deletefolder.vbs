' 生成删除文件夹的代码：文件夹连同里面的全部内容一起删除，请谨慎使用。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, code
    path = CBatCode.FolderDialog("选择要删除的文件夹（连同其中的全部内容）：")
    If path = "none" Then Exit Sub
    If path = "" Then
        MsgBox "没有选择文件夹。", vbExclamation
        Exit Sub
    End If
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "If fso.FolderExists(" & Quoted(path) & ") Then fso.DeleteFolder " & Quoted(path) & ", True" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
