' 生成 InputBox 输入框语句：询问保存结果的变量、提示文字、标题和默认值。
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
    Dim name, prompt, title, value, code
    name = InputBox("请输入保存输入内容的变量名：", "输入框", "userInput")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的变量名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    prompt = InputBox("请输入输入框的提示文字：", "输入框", "请输入内容：")
    If IsEmpty(prompt) Then Exit Sub
    title = InputBox("请输入输入框的标题：", "输入框", "输入")
    If IsEmpty(title) Then Exit Sub
    value = InputBox("请输入默认值（可以留空）：", "输入框", "")
    If IsEmpty(value) Then Exit Sub
    code = name & " = InputBox(" & Quoted(prompt) & ", " & Quoted(title)
    If value <> "" Then code = code & ", " & Quoted(value)
    code = code & ")" & vbCrLf
    If CBatCode.OptionDLG("是,否", "用户点“取消”时是否结束脚本？") = "是" Then
        code = code & "If " & name & " = """" Then WScript.Quit" & vbCrLf
    End If
    CBatCode.StringReturn code
End Sub

GenerateStatement
