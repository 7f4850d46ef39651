' 生成判断文件或文件夹是否存在的语句。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim kind, path, fn, code
    kind = CBatCode.OptionDLG("文件,文件夹", "判断什么是否存在？")
    If kind = "" Then Exit Sub
    If kind = "文件夹" Then
        path = CBatCode.FolderDialog("选择要判断的文件夹：")
        If path = "none" Then Exit Sub
        fn = "FolderExists"
    Else
        path = InputBox("文件的完整路径：", "判断是否存在", "C:\Temp\data.txt")
        If IsEmpty(path) Then Exit Sub
        fn = "FileExists"
    End If
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "If fso." & fn & "(" & Quoted(path) & ") Then" & vbCrLf
    code = code & "    ' 存在" & vbCrLf & "Else" & vbCrLf & "    ' 不存在" & vbCrLf & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
