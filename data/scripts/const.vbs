' 生成 Const 常量定义：询问常量名、值的类型和值。
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
    Dim name, kind, value, literal
    name = InputBox("请输入常量名：", "定义常量", "MAX_COUNT")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的常量名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    kind = CBatCode.OptionDLG("数字,文字,真假值", "常量的值是什么类型？")
    If kind = "" Then Exit Sub
    Select Case kind
        Case "数字"
            value = InputBox("请输入常量的值：", "定义常量", "100")
            If IsEmpty(value) Then Exit Sub
            If Not IsNumeric(value) Then
                MsgBox "“" & value & "”不是数字。", vbExclamation
                Exit Sub
            End If
            literal = NumberText(value)
        Case "文字"
            value = InputBox("请输入常量的值：", "定义常量", "你好")
            If IsEmpty(value) Then Exit Sub
            literal = Quoted(value)
        Case Else
            If CBatCode.OptionDLG("True,False", "常量的值：") = "False" Then literal = "False" Else literal = "True"
    End Select
    CBatCode.StringReturn "Const " & name & " = " & literal & vbCrLf
End Sub

GenerateStatement
