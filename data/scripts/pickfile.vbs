' 在编辑器里选择一个文件，把它的完整路径作为字符串插入代码。
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
    Dim target
    target = InputBox("保存路径的变量名：", "插入文件路径", "filePath")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    CFileDlg.DialogTitle = "选择文件"
    CFileDlg.Filter = "所有文件|*|文本文件|*.txt|脚本文件|*.vbs"
    CFileDlg.FileName = ""
    CFileDlg.ShowOpen
    If CFileDlg.FileName = "" Then Exit Sub
    CBatCode.StringReturn target & " = " & Quoted(CFileDlg.FileName) & vbCrLf
End Sub

GenerateStatement
