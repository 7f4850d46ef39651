' 生成把网上的文件下载保存到本地的代码（MSXML2.XMLHTTP 加 ADODB.Stream）。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim url, folder, name, code
    url = InputBox("文件的网址：", "下载文件", "https://www.example.com/file.zip")
    If IsEmpty(url) Then Exit Sub
    folder = CBatCode.FolderDialog("保存到哪个文件夹？")
    If folder = "none" Then Exit Sub
    name = InputBox("保存的文件名：", "下载文件", "file.zip")
    If IsEmpty(name) Then Exit Sub
    If Trim(name) = "" Then
        MsgBox "文件名不能为空。", vbExclamation
        Exit Sub
    End If
    code = "Set http = CreateObject(""MSXML2.XMLHTTP"")" & vbCrLf
    code = code & "http.Open ""GET"", " & Quoted(Trim(url)) & ", False" & vbCrLf
    code = code & "http.Send" & vbCrLf
    code = code & "If http.Status = 200 Then" & vbCrLf
    code = code & "    Set stream = CreateObject(""ADODB.Stream"")" & vbCrLf
    code = code & "    stream.Type = 1" & vbCrLf
    code = code & "    stream.Open" & vbCrLf
    code = code & "    stream.Write http.responseBody" & vbCrLf
    If folder = "" Then
        code = code & "    stream.SaveToFile " & Quoted(name) & ", 2" & vbCrLf
    Else
        code = code & "    stream.SaveToFile CreateObject(""Scripting.FileSystemObject"").BuildPath(" & Quoted(folder) & ", " & Quoted(name) & "), 2" & vbCrLf
    End If
    code = code & "    stream.Close" & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
