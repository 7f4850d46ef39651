' 生成检测某台电脑或网址能否连通（ping）的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim host, code
    host = InputBox("计算机名、IP 地址或域名：", "连通检测", "www.example.com")
    If IsEmpty(host) Then Exit Sub
    If Trim(host) = "" Or InStr(host, "'") > 0 Then
        MsgBox "请输入主机名或 IP 地址，不能含有单引号。", vbExclamation
        Exit Sub
    End If
    code = "Set wmi = GetObject(""winmgmts:\\.\root\cimv2"")" & vbCrLf
    code = code & "reachable = False" & vbCrLf
    code = code & "For Each reply In wmi.ExecQuery(" & Quoted("SELECT * FROM Win32_PingStatus WHERE Address = '" & Trim(host) & "'") & ")" & vbCrLf
    code = code & "    If Not IsNull(reply.StatusCode) Then reachable = (reply.StatusCode = 0)" & vbCrLf
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
