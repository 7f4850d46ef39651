' 生成 MsgBox 消息框语句：询问提示文字、按钮、图标和标题。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim text, title, buttons, icon, code
    text = InputBox("请输入消息框要显示的文字：", "消息框", "操作已完成。")
    If IsEmpty(text) Then Exit Sub
    Select Case CBatCode.OptionDLG("只有“确定”,“确定”和“取消”,“是”和“否”,“是”“否”和“取消”,“重试”和“取消”", "消息框上要有哪些按钮？")
        Case "只有“确定”": buttons = "vbOKOnly"
        Case "“确定”和“取消”": buttons = "vbOKCancel"
        Case "“是”和“否”": buttons = "vbYesNo"
        Case "“是”“否”和“取消”": buttons = "vbYesNoCancel"
        Case "“重试”和“取消”": buttons = "vbRetryCancel"
        Case Else: Exit Sub
    End Select
    Select Case CBatCode.OptionDLG("信息,警告,错误,询问,不要图标", "消息框上显示哪种图标？")
        Case "信息": icon = " + vbInformation"
        Case "警告": icon = " + vbExclamation"
        Case "错误": icon = " + vbCritical"
        Case "询问": icon = " + vbQuestion"
        Case "不要图标": icon = ""
        Case Else: Exit Sub
    End Select
    title = InputBox("请输入消息框的标题（留空则使用默认标题）：", "消息框", "提示")
    If IsEmpty(title) Then Exit Sub
    code = "MsgBox " & Quoted(text) & ", " & buttons & icon
    If title <> "" Then code = code & ", " & Quoted(title)
    CBatCode.StringReturn code & vbCrLf
End Sub

GenerateStatement
