' 生成 WScript.Shell 的 Popup：到时自动关闭的消息框。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim text, seconds, title, code
    text = InputBox("请输入要显示的文字：", "定时消息框", "本窗口将自动关闭。")
    If IsEmpty(text) Then Exit Sub
    seconds = InputBox("几秒后自动关闭？", "定时消息框", "5")
    If IsEmpty(seconds) Then Exit Sub
    If Not IsNumeric(seconds) Then
        MsgBox "秒数必须是数字。", vbExclamation
        Exit Sub
    End If
    title = InputBox("请输入标题：", "定时消息框", "提示")
    If IsEmpty(title) Then Exit Sub
    code = "Set shell = CreateObject(""WScript.Shell"")" & vbCrLf
    code = code & "answer = shell.Popup(" & Quoted(text) & ", " & CLng(seconds) & ", " & Quoted(title) & ", vbInformation)" & vbCrLf
    code = code & "' answer 为 -1 表示超时自动关闭" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
