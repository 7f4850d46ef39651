' 生成写入文本文件的代码：覆盖原内容或追加到末尾，文件不存在时自动创建。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, mode, text, code
    path = InputBox("要写入的文本文件：", "写入文件", "C:\Temp\log.txt")
    If IsEmpty(path) Then Exit Sub
    Select Case CBatCode.OptionDLG("覆盖原有内容,追加到文件末尾", "写入方式：")
        Case "覆盖原有内容": mode = 2
        Case "追加到文件末尾": mode = 8
        Case Else: Exit Sub
    End Select
    text = InputBox("要写入的一行文字：", "写入文件", "脚本运行完毕")
    If IsEmpty(text) Then Exit Sub
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "Set stream = fso.OpenTextFile(" & Quoted(path) & ", " & mode & ", True)" & vbCrLf
    code = code & "stream.WriteLine " & Quoted(text) & vbCrLf
    code = code & "stream.Close" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
