' 生成“是/否”询问：弹出带“是”“否”按钮的消息框，并按回答分两路执行。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim question, title, code
    question = InputBox("请输入要询问用户的问题：", "是否询问", "确定要继续吗？")
    If IsEmpty(question) Then Exit Sub
    title = InputBox("请输入询问框的标题：", "是否询问", "请确认")
    If IsEmpty(title) Then Exit Sub
    code = "If MsgBox(" & Quoted(question) & ", vbYesNo + vbQuestion, " & Quoted(title) & ") = vbYes Then" & vbCrLf
    code = code & "    ' 用户选择了“是”" & vbCrLf
    code = code & "Else" & vbCrLf
    code = code & "    ' 用户选择了“否”" & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
