' 生成 Sub 过程：询问过程名和参数，可选按值或按引用传递。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Function ParameterList(answer, byValue)
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
            If byValue Then list = list & "ByVal "
            list = list & names(i)
        End If
    Next
    ParameterList = list
End Function

Sub GenerateStatement()
    Dim name, answer, passing, list, code
    name = InputBox("过程名：", "定义过程", "ShowResult")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    answer = InputBox("参数名，用空格分隔（没有参数可留空）：", "定义过程", "message")
    If IsEmpty(answer) Then Exit Sub
    passing = ""
    If Trim(answer) <> "" Then
        passing = CBatCode.OptionDLG("按引用传递（默认）,按值传递（ByVal）", "参数如何传递？")
        If passing = "" Then Exit Sub
    End If
    list = ParameterList(answer, passing = "按值传递（ByVal）")
    If IsNull(list) Then Exit Sub
    code = "Sub " & name & "(" & list & ")" & vbCrLf & "    ' 过程体" & vbCrLf & "End Sub" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
