' 生成删除文件的代码：先判断文件是否存在；可选择连只读文件一起删除。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, force, code
    path = InputBox("要删除的文件：", "删除文件", "C:\Temp\old.txt")
    If IsEmpty(path) Then Exit Sub
    force = CBatCode.OptionDLG("只读文件也删除,只读文件不删除", "遇到只读文件时：")
    If force = "" Then Exit Sub
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "If fso.FileExists(" & Quoted(path) & ") Then fso.DeleteFile " & Quoted(path) & ", " & CStr(force = "只读文件也删除") & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
