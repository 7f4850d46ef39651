' 生成用 ADODB.Stream 读写 UTF-8 文本文件的代码（FileSystemObject 只能读写本地编码或 Unicode）。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, code
    path = InputBox("UTF-8 文本文件的路径：", "UTF-8 文件", "C:\Temp\utf8.txt")
    If IsEmpty(path) Then Exit Sub
    Select Case CBatCode.OptionDLG("读取,写入", "读取还是写入？")
        Case "读取"
            code = "Set stream = CreateObject(""ADODB.Stream"")" & vbCrLf
            code = code & "stream.Type = 2" & vbCrLf
            code = code & "stream.Charset = ""utf-8""" & vbCrLf
            code = code & "stream.Open" & vbCrLf
            code = code & "stream.LoadFromFile " & Quoted(path) & vbCrLf
            code = code & "content = stream.ReadText" & vbCrLf
            code = code & "stream.Close" & vbCrLf
        Case "写入"
            code = "Set stream = CreateObject(""ADODB.Stream"")" & vbCrLf
            code = code & "stream.Type = 2" & vbCrLf
            code = code & "stream.Charset = ""utf-8""" & vbCrLf
            code = code & "stream.Open" & vbCrLf
            code = code & "stream.WriteText content" & vbCrLf
            code = code & "stream.SaveToFile " & Quoted(path) & ", 2" & vbCrLf
            code = code & "stream.Close" & vbCrLf
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn code
End Sub

GenerateStatement
