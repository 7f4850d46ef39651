' 生成 WScript.Echo 输出语句。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim text
    text = InputBox("请输入要输出的文字：", "输出文字", "Hello, World!")
    If IsEmpty(text) Then Exit Sub
    CBatCode.StringReturn "WScript.Echo " & Quoted(text) & vbCrLf
End Sub

GenerateStatement
