' 生成 Function 函数：询问函数名和参数，函数名赋值即为返回值。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Function ParameterList(answer)
    Dim names, i, list
    names = Split(Trim(answer), " ")
    list = ""
    For i = 0 To UBound(names)
        If names(i) <> "" Then
            If Not IsName(names(i)) Then
                ParameterList = Null
                BadName names(i)
                Exit Function
            End If
            If list <> "" Then list = list & ", "
            list = list & names(i)
        End If
    Next
    ParameterList = list
End Function

Sub GenerateStatement()
    Dim name, answer, list, code
    name = InputBox("函数名：", "定义函数", "Add")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    answer = InputBox("参数名，用空格分隔（没有参数可留空）：", "定义函数", "a b")
    If IsEmpty(answer) Then Exit Sub
    list = ParameterList(answer)
    If IsNull(list) Then Exit Sub
    code = "Function " & name & "(" & list & ")" & vbCrLf
    code = code & "    ' 计算结果，赋给函数名即返回" & vbCrLf
    code = code & "    " & name & " = Empty" & vbCrLf
    code = code & "End Function" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
