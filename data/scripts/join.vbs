' 生成 Join：把数组的元素用分隔符连成一个字符串。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim target, source, sep
    source = InputBox("要合并的数组名：", "合并数组", "parts")
    If IsEmpty(source) Then Exit Sub
    target = InputBox("保存结果的变量名：", "合并数组", "text")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Or Not IsName(source) Then
        MsgBox "变量名须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    sep = InputBox("元素之间用什么分隔？（可以留空）", "合并数组", ", ")
    If IsEmpty(sep) Then Exit Sub
    CBatCode.StringReturn target & " = Join(" & source & ", " & Quoted(sep) & ")" & vbCrLf
End Sub

GenerateStatement
