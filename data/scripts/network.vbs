' 生成读取计算机名、用户名和域名的代码（WScript.Network）。
Sub GenerateStatement()
    Dim parts, code
    parts = "|" & CBatCode.CheckDLG("computer|计算机名,user|用户名,domain|域名", "要读取哪些信息？") & "|"
    If parts = "||" Then Exit Sub
    code = "Set network = CreateObject(""WScript.Network"")" & vbCrLf
    If InStr(parts, "|computer|") > 0 Then code = code & "computerName = network.ComputerName" & vbCrLf
    If InStr(parts, "|user|") > 0 Then code = code & "userName = network.UserName" & vbCrLf
    If InStr(parts, "|domain|") > 0 Then code = code & "domainName = network.UserDomain" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
