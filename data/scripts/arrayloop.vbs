' 生成按下标遍历数组的 For 循环，从 LBound 到 UBound。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim name, index, code
    name = InputBox("要遍历的数组名：", "遍历数组", "items")
    If IsEmpty(name) Then Exit Sub
    index = InputBox("下标变量名：", "遍历数组", "i")
    If IsEmpty(index) Then Exit Sub
    If Not IsName(name) Or Not IsName(index) Then
        MsgBox "名称须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    code = "For " & index & " = LBound(" & name & ") To UBound(" & name & ")" & vbCrLf
    code = code & "    WScript.Echo " & index & " & "": "" & " & name & "(" & index & ")" & vbCrLf
    code = code & "Next" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
