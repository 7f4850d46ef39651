' 生成访问网址并取得返回内容的代码（MSXML2.XMLHTTP）。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim url, method, code
    url = InputBox("网址：", "网络请求", "https://www.example.com/")
    If IsEmpty(url) Then Exit Sub
    If Trim(url) = "" Then
        MsgBox "网址不能为空。", vbExclamation
        Exit Sub
    End If
    method = CBatCode.OptionDLG("GET,POST", "请求方式：")
    If method = "" Then Exit Sub
    code = "Set http = CreateObject(""MSXML2.XMLHTTP"")" & vbCrLf
    code = code & "http.Open """ & method & """, " & Quoted(Trim(url)) & ", False" & vbCrLf
    If method = "POST" Then
        code = code & "http.setRequestHeader ""Content-Type"", ""application/x-www-form-urlencoded""" & vbCrLf
        code = code & "http.Send ""name=value""" & vbCrLf
    Else
        code = code & "http.Send" & vbCrLf
    End If
    code = code & "If http.Status = 200 Then" & vbCrLf
    code = code & "    response = http.responseText" & vbCrLf
    code = code & "Else" & vbCrLf
    code = code & "    MsgBox ""请求失败，状态码："" & http.Status, vbExclamation" & vbCrLf
    code = code & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
