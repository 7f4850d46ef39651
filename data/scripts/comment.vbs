' 生成注释：单行注释，或把一段文字逐行变成注释。
Sub GenerateStatement()
    Dim text, lines, i, code
    text = InputBox("注释内容（用竖线 | 分成多行）：", "注释", "这里说明下面代码的作用")
    If IsEmpty(text) Then Exit Sub
    lines = Split(text, "|")
    code = ""
    For i = 0 To UBound(lines)
        code = code & "' " & lines(i) & vbCrLf
    Next
    If code = "" Then code = "'" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
