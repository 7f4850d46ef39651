' 生成读取环境变量的语句，例如用户名、临时文件夹、系统目录。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim name, target
    name = CBatCode.OptionDLG("USERNAME,COMPUTERNAME,TEMP,APPDATA,USERPROFILE,SystemRoot,PATH,其他…", "读取哪个环境变量？")
    If name = "" Then Exit Sub
    If name = "其他…" Then
        name = InputBox("环境变量名：", "读取环境变量", "ProgramFiles")
        If IsEmpty(name) Then Exit Sub
        If Trim(name) = "" Or InStr(name, "%") > 0 Then
            MsgBox "请输入不带百分号的环境变量名。", vbExclamation
            Exit Sub
        End If
    End If
    target = InputBox("保存结果的变量名：", "读取环境变量", "value")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    CBatCode.StringReturn target & " = CreateObject(""WScript.Shell"").ExpandEnvironmentStrings(" & Quoted("%" & name & "%") & ")" & vbCrLf
End Sub

GenerateStatement
