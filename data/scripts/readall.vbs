' 生成读取整个文本文件内容的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, code
    path = InputBox("要读取的文本文件：", "读取文件", "C:\Temp\data.txt")
    If IsEmpty(path) Then Exit Sub
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "Set stream = fso.OpenTextFile(" & Quoted(path) & ", 1)" & vbCrLf
    code = code & "If stream.AtEndOfStream Then content = """" Else content = stream.ReadAll" & vbCrLf
    code = code & "stream.Close" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
