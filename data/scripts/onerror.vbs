' 生成 On Error Resume Next 错误处理：出错后继续执行，并检查 Err 对象。
Sub GenerateStatement()
    Dim action, code
    code = "On Error Resume Next" & vbCrLf
    code = code & "' 可能出错的语句" & vbCrLf
    code = code & "If Err.Number <> 0 Then" & vbCrLf
    Select Case CBatCode.OptionDLG("显示错误信息,显示信息后结束脚本,只清除错误", "出错后如何处理？")
        Case "显示错误信息"
            code = code & "    MsgBox ""出错了："" & Err.Description & ""（错误号 "" & Err.Number & ""）"", vbCritical" & vbCrLf
        Case "显示信息后结束脚本"
            code = code & "    MsgBox ""出错了："" & Err.Description & ""（错误号 "" & Err.Number & ""）"", vbCritical" & vbCrLf
            code = code & "    WScript.Quit 1" & vbCrLf
        Case "只清除错误"
        Case Else: Exit Sub
    End Select
    code = code & "    Err.Clear" & vbCrLf & "End If" & vbCrLf
    If CBatCode.OptionDLG("恢复,不恢复", "之后是否恢复正常的错误处理（On Error GoTo 0）？") = "恢复" Then
        code = code & "On Error GoTo 0" & vbCrLf
    End If
    CBatCode.StringReturn code
End Sub

GenerateStatement
