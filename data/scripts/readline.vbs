' 生成逐行读取文本文件的循环。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, code
    path = InputBox("要读取的文本文件：", "逐行读取", "C:\Temp\data.txt")
    If IsEmpty(path) Then Exit Sub
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "Set stream = fso.OpenTextFile(" & Quoted(path) & ", 1)" & vbCrLf
    code = code & "Do Until stream.AtEndOfStream" & vbCrLf
    code = code & "    line = stream.ReadLine" & vbCrLf
    code = code & "    ' 处理这一行" & vbCrLf
    code = code & "Loop" & vbCrLf
    code = code & "stream.Close" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
