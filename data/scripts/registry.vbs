' 生成读、写或删除注册表项的代码（WScript.Shell 的 RegRead、RegWrite、RegDelete）。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim kind, key, value, code
    kind = CBatCode.OptionDLG("读取,写入文字值,写入数字值（DWORD）,删除", "对注册表做什么？")
    If kind = "" Then Exit Sub
    key = InputBox("键名（以反斜杠结尾表示项本身）：", "注册表", "HKCU\Software\MyScript\Setting")
    If IsEmpty(key) Then Exit Sub
    If Trim(key) = "" Then
        MsgBox "键名不能为空。", vbExclamation
        Exit Sub
    End If
    code = "Set shell = CreateObject(""WScript.Shell"")" & vbCrLf
    Select Case kind
        Case "读取"
            code = code & "On Error Resume Next" & vbCrLf
            code = code & "value = shell.RegRead(" & Quoted(key) & ")" & vbCrLf
            code = code & "If Err.Number <> 0 Then value = Empty" & vbCrLf
            code = code & "On Error GoTo 0" & vbCrLf
        Case "写入文字值"
            value = InputBox("要写入的文字：", "注册表", "on")
            If IsEmpty(value) Then Exit Sub
            code = code & "shell.RegWrite " & Quoted(key) & ", " & Quoted(value) & ", ""REG_SZ""" & vbCrLf
        Case "写入数字值（DWORD）"
            value = InputBox("要写入的数字：", "注册表", "1")
            If IsEmpty(value) Then Exit Sub
            If Not IsNumeric(value) Then
                MsgBox "请输入数字。", vbExclamation
                Exit Sub
            End If
            code = code & "shell.RegWrite " & Quoted(key) & ", " & CLng(value) & ", ""REG_DWORD""" & vbCrLf
        Case Else
            code = code & "shell.RegDelete " & Quoted(key) & vbCrLf
    End Select
    CBatCode.StringReturn code
End Sub

GenerateStatement
