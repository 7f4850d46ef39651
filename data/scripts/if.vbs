' 生成 If...Then...Else 结构。
Dim cond
cond = InputBox("条件表达式：", "判断语句", "x > 0")
If cond <> "" Then CBatCode.StringReturn "If " & cond & " Then" & vbCrLf & vbCrLf & "Else" & vbCrLf & vbCrLf & "End If"
