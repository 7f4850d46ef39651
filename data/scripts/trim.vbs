' 生成去除空格：Trim 去两端，LTrim 去左端，RTrim 去右端。
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
    Dim source, fn
    source = InputBox("字符串变量名：", "去除空格", "text")
    If IsEmpty(source) Then Exit Sub
    If Not IsName(source) Then
        BadName source
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("去掉两端空格（Trim）,去掉左边空格（LTrim）,去掉右边空格（RTrim）", "去掉哪里的空格？")
        Case "去掉两端空格（Trim）": fn = "Trim"
        Case "去掉左边空格（LTrim）": fn = "LTrim"
        Case "去掉右边空格（RTrim）": fn = "RTrim"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn source & " = " & fn & "(" & source & ")" & vbCrLf
End Sub

GenerateStatement
