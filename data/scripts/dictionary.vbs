' 生成创建字典（Scripting.Dictionary）并添加键值对的代码。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

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
    Dim name, answer, pairs, i, pair, code, textKeys
    name = InputBox("字典变量名：", "字典", "dict")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    answer = InputBox("初始的键值对，格式为 键=值，多个用竖线 | 分隔（可以留空）：", "字典", "apple=苹果|pear=梨")
    If IsEmpty(answer) Then Exit Sub
    code = "Set " & name & " = CreateObject(""Scripting.Dictionary"")" & vbCrLf
    If CBatCode.OptionDLG("区分大小写,不区分大小写", "键的英文字母是否区分大小写？") = "不区分大小写" Then
        code = code & name & ".CompareMode = vbTextCompare" & vbCrLf
    End If
    If Trim(answer) <> "" Then
        pairs = Split(answer, "|")
        For i = 0 To UBound(pairs)
            pair = Split(pairs(i), "=")
            If UBound(pair) < 1 Then
                MsgBox "“" & pairs(i) & "”不是“键=值”的格式。", vbExclamation
                Exit Sub
            End If
            code = code & name & ".Add " & Quoted(pair(0)) & ", " & Quoted(Mid(pairs(i), Len(pair(0)) + 2)) & vbCrLf
        Next
    End If
    CBatCode.StringReturn code
End Sub

GenerateStatement
