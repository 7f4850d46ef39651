' 生成 StrComp 字符串比较：结果 -1 表示小于，0 表示相等，1 表示大于。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim a, b, mode, code
    a = InputBox("第一个字符串变量名：", "比较字符串", "name1")
    If IsEmpty(a) Then Exit Sub
    b = InputBox("第二个字符串变量名：", "比较字符串", "name2")
    If IsEmpty(b) Then Exit Sub
    If Not IsName(a) Then
        BadName a
        Exit Sub
    End If
    If Not IsName(b) Then
        BadName b
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("区分大小写（vbBinaryCompare）,不区分大小写（vbTextCompare）", "比较方式：")
        Case "区分大小写（vbBinaryCompare）": mode = "vbBinaryCompare"
        Case "不区分大小写（vbTextCompare）": mode = "vbTextCompare"
        Case Else: Exit Sub
    End Select
    code = "If StrComp(" & a & ", " & b & ", " & mode & ") = 0 Then" & vbCrLf
    code = code & "    ' 两个字符串相同" & vbCrLf & "End If" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
