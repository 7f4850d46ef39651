' 生成让电脑朗读一段文字的代码（SAPI.SpVoice）。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim text
    text = InputBox("要朗读的文字：", "朗读", "你好，欢迎使用。")
    If IsEmpty(text) Then Exit Sub
    CBatCode.StringReturn "CreateObject(""SAPI.SpVoice"").Speak " & Quoted(text) & vbCrLf
End Sub

GenerateStatement
