' 生成 Dim 变量声明，可以一次声明多个变量。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim answer, names, i, list
    answer = InputBox("请输入要声明的变量名，多个变量用空格分隔：", "声明变量", "count total message")
    If IsEmpty(answer) Then Exit Sub
    names = Split(Trim(answer), " ")
    list = ""
    For i = 0 To UBound(names)
        If names(i) <> "" Then
            If Not IsName(names(i)) Then
                MsgBox "“" & names(i) & "”不是合法的变量名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
                Exit Sub
            End If
            If list <> "" Then list = list & ", "
            list = list & names(i)
        End If
    Next
    If list = "" Then
        MsgBox "没有输入变量名。", vbExclamation
        Exit Sub
    End If
    CBatCode.StringReturn "Dim " & list & vbCrLf
End Sub

GenerateStatement
