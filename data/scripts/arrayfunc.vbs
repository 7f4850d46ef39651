' 生成用 Array 函数一次写出全部元素的数组。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Function NumberText(v)
    ' 用户输入的数字写成代码里的数字字面量（去掉千位分隔符等）。
    NumberText = CStr(CDbl(v))
End Function

Sub GenerateStatement()
    Dim name, answer, parts, i, list, asText
    name = InputBox("请输入数组变量名：", "Array 数组", "colors")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的变量名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    answer = InputBox("请输入各个元素，用竖线 | 分隔：", "Array 数组", "红|绿|蓝")
    If IsEmpty(answer) Then Exit Sub
    asText = (CBatCode.OptionDLG("文字,数字", "元素是文字还是数字？") <> "数字")
    parts = Split(answer, "|")
    list = ""
    For i = 0 To UBound(parts)
        If i > 0 Then list = list & ", "
        If asText Then
            list = list & Quoted(parts(i))
        ElseIf IsNumeric(parts(i)) Then
            list = list & NumberText(parts(i))
        Else
            MsgBox "“" & parts(i) & "”不是数字。", vbExclamation
            Exit Sub
        End If
    Next
    CBatCode.StringReturn name & " = Array(" & list & ")" & vbCrLf
End Sub

GenerateStatement
