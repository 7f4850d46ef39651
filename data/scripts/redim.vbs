' 生成动态数组：先声明，再用 ReDim 改变大小，可选择保留原有元素。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim name, size, keep, code
    name = InputBox("请输入动态数组名：", "动态数组", "list")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的数组名：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    size = InputBox("调整后数组的最大下标是多少？", "动态数组", "9")
    If IsEmpty(size) Then Exit Sub
    If Not IsNumeric(size) Then
        MsgBox "下标必须是数字。", vbExclamation
        Exit Sub
    End If
    keep = CBatCode.OptionDLG("保留原有元素（Preserve）,清空重建", "调整大小时如何处理原有元素？")
    If keep = "" Then Exit Sub
    code = "Dim " & name & "()" & vbCrLf
    If keep = "清空重建" Then
        code = code & "ReDim " & name & "(" & CLng(size) & ")" & vbCrLf
    Else
        code = code & "ReDim Preserve " & name & "(" & CLng(size) & ")" & vbCrLf
    End If
    CBatCode.StringReturn code
End Sub

GenerateStatement
