' 生成脚本开头的说明注释：名称、作者、日期和用途。
Sub GenerateStatement()
    Dim name, author, purpose, code
    name = InputBox("脚本名称：", "脚本说明", "我的脚本")
    If IsEmpty(name) Then Exit Sub
    author = InputBox("作者：", "脚本说明", "")
    If IsEmpty(author) Then Exit Sub
    purpose = InputBox("用途：", "脚本说明", "")
    If IsEmpty(purpose) Then Exit Sub
    code = "'==================================================" & vbCrLf
    code = code & "' 名称：" & name & vbCrLf
    If author <> "" Then code = code & "' 作者：" & author & vbCrLf
    code = code & "' 日期：" & Year(Date) & "-" & Right("0" & Month(Date), 2) & "-" & Right("0" & Day(Date), 2) & vbCrLf
    If purpose <> "" Then code = code & "' 用途：" & purpose & vbCrLf
    code = code & "'==================================================" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
