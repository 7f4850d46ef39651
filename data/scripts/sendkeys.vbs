' 生成激活某个窗口并向它发送按键的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim title, keys, code
    title = InputBox("要激活的窗口标题（留空则发送给当前窗口）：", "发送按键", "记事本")
    If IsEmpty(title) Then Exit Sub
    keys = InputBox("要发送的按键（{ENTER} 回车，^ 为 Ctrl，% 为 Alt，+ 为 Shift）：", "发送按键", "Hello{ENTER}")
    If IsEmpty(keys) Then Exit Sub
    code = "Set shell = CreateObject(""WScript.Shell"")" & vbCrLf
    If title <> "" Then
        code = code & "shell.AppActivate " & Quoted(title) & vbCrLf
        code = code & "WScript.Sleep 500" & vbCrLf
    End If
    code = code & "shell.SendKeys " & Quoted(keys) & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
