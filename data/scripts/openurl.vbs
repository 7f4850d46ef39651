' 生成用默认浏览器打开网址的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim url
    url = InputBox("网址：", "打开网址", "https://www.example.com/")
    If IsEmpty(url) Then Exit Sub
    If Trim(url) = "" Then
        MsgBox "网址不能为空。", vbExclamation
        Exit Sub
    End If
    CBatCode.StringReturn "CreateObject(""WScript.Shell"").Run " & Quoted(Trim(url)) & vbCrLf
End Sub

GenerateStatement
