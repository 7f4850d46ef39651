' 生成创建 FileSystemObject 的语句，文件和文件夹操作都要用到它。
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
    Dim name
    name = InputBox("对象变量名：", "文件系统对象", "fso")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    CBatCode.StringReturn "Set " & name & " = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
End Sub

GenerateStatement
