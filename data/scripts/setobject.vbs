' 生成对象变量：用 Set 创建常用对象，用完后释放。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim name, progId, code
    Select Case CBatCode.OptionDLG("文件系统（Scripting.FileSystemObject）,Shell（WScript.Shell）,字典（Scripting.Dictionary）,网络（WScript.Network）,Shell 应用（Shell.Application）", "要创建哪种对象？")
        Case "文件系统（Scripting.FileSystemObject）": progId = "Scripting.FileSystemObject": name = "fso"
        Case "Shell（WScript.Shell）": progId = "WScript.Shell": name = "shell"
        Case "字典（Scripting.Dictionary）": progId = "Scripting.Dictionary": name = "dict"
        Case "网络（WScript.Network）": progId = "WScript.Network": name = "network"
        Case "Shell 应用（Shell.Application）": progId = "Shell.Application": name = "shellApp"
        Case Else: Exit Sub
    End Select
    name = InputBox("对象变量名：", "创建对象", name)
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的变量名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    code = "Set " & name & " = CreateObject(""" & progId & """)" & vbCrLf
    code = code & "' 在这里使用 " & name & vbCrLf
    code = code & "Set " & name & " = Nothing" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
