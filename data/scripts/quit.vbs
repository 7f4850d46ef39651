' 生成结束脚本的语句，可带退出码（0 表示正常结束）。
Sub GenerateStatement()
    Dim code
    code = InputBox("退出码（0 表示正常结束）：", "结束脚本", "0")
    If IsEmpty(code) Then Exit Sub
    If Not IsNumeric(code) Then
        MsgBox "退出码必须是数字。", vbExclamation
        Exit Sub
    End If
    If CLng(code) = 0 Then
        CBatCode.StringReturn "WScript.Quit" & vbCrLf
    Else
        CBatCode.StringReturn "WScript.Quit " & CLng(code) & vbCrLf
    End If
End Sub

GenerateStatement
