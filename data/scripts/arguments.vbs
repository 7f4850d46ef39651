' 生成读取命令行参数的代码：检查参数个数并逐个读取。
Sub GenerateStatement()
    Dim count, code
    count = InputBox("脚本至少需要几个参数：", "命令行参数", "1")
    If IsEmpty(count) Then Exit Sub
    If Not IsNumeric(count) Then
        MsgBox "请输入数字。", vbExclamation
        Exit Sub
    End If
    code = ""
    If CLng(count) > 0 Then
        code = "If WScript.Arguments.Count < " & CLng(count) & " Then" & vbCrLf
        code = code & "    MsgBox ""用法：需要 " & CLng(count) & " 个参数。"", vbExclamation" & vbCrLf
        code = code & "    WScript.Quit 1" & vbCrLf
        code = code & "End If" & vbCrLf
    End If
    code = code & "For i = 0 To WScript.Arguments.Count - 1" & vbCrLf
    code = code & "    argument = WScript.Arguments(i)" & vbCrLf
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
