' 生成反复询问直到输入数字为止的代码。
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
    Dim name, prompt, code
    name = InputBox("请输入保存数字的变量名：", "输入数字", "number")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的变量名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    prompt = InputBox("请输入提示文字：", "输入数字", "请输入一个数字：")
    If IsEmpty(prompt) Then Exit Sub
    code = "Do" & vbCrLf
    code = code & "    " & name & " = InputBox(" & Quoted(prompt) & ")" & vbCrLf
    code = code & "    If " & name & " = """" Then WScript.Quit" & vbCrLf
    code = code & "    If IsNumeric(" & name & ") Then Exit Do" & vbCrLf
    code = code & "    MsgBox ""请输入数字！"", vbExclamation" & vbCrLf
    code = code & "Loop" & vbCrLf
    code = code & name & " = CDbl(" & name & ")" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
