' 生成拆分路径的代码：文件名、扩展名、不含扩展名的名称、所在文件夹。
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
    Dim source, parts, code
    source = InputBox("保存路径的变量名：", "拆分路径", "path")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    parts = "|" & CBatCode.CheckDLG("name|文件名,ext|扩展名,base|不含扩展名的名称,parent|所在文件夹", "要取出哪些部分？") & "|"
    If parts = "||" Then Exit Sub
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    If InStr(parts, "|name|") > 0 Then code = code & "fileName = fso.GetFileName(" & source & ")" & vbCrLf
    If InStr(parts, "|ext|") > 0 Then code = code & "extension = fso.GetExtensionName(" & source & ")" & vbCrLf
    If InStr(parts, "|base|") > 0 Then code = code & "baseName = fso.GetBaseName(" & source & ")" & vbCrLf
    If InStr(parts, "|parent|") > 0 Then code = code & "parentFolder = fso.GetParentFolderName(" & source & ")" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
