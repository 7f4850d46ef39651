' 生成移动或重命名文件的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim source, target, code
    source = InputBox("要移动的文件：", "移动文件", "C:\Temp\old.txt")
    If IsEmpty(source) Then Exit Sub
    target = InputBox("移动到（新路径，也可以只改文件名）：", "移动文件", "C:\Temp\new.txt")
    If IsEmpty(target) Then Exit Sub
    code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
    code = code & "If fso.FileExists(" & Quoted(source) & ") Then fso.MoveFile " & Quoted(source) & ", " & Quoted(target) & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
