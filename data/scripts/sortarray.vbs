' 生成数组排序过程：在原数组上排序，可按文字（中文按拼音、不分大小写）、按编码或按数值，
' 从小到大或从大到小。插入的是过程定义，放在脚本的顶层，之后用一行调用就能排任何数组。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub GenerateStatement()
    Dim name, code
    name = InputBox("排序过程的名称：", "数组排序", "SortArray")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        MsgBox "“" & name & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
        Exit Sub
    End If
    code = "' 数组排序（希尔排序，在原数组上排，几万个元素也很快）。" & vbCrLf
    code = code & "' 用法：" & name & " 数组, 方式, 从大到小" & vbCrLf
    code = code & "'   方式：vbTextCompare 按文字（中文按拼音，不区分大小写），vbBinaryCompare 按编码，-1 按数值" & vbCrLf
    code = code & "'   从大到小：True 从大到小，False 从小到大" & vbCrLf
    code = code & "' 例如：" & name & " names, vbTextCompare, False" & vbCrLf
    code = code & "Sub " & name & "(items, mode, descending)" & vbCrLf
    code = code & "    Dim lo, gap, i, j, t, c" & vbCrLf
    code = code & "    lo = LBound(items)" & vbCrLf
    code = code & "    gap = (UBound(items) - lo + 1) \ 2" & vbCrLf
    code = code & "    Do While gap > 0" & vbCrLf
    code = code & "        For i = lo + gap To UBound(items)" & vbCrLf
    code = code & "            t = items(i)" & vbCrLf
    code = code & "            j = i" & vbCrLf
    code = code & "            Do While j - gap >= lo" & vbCrLf
    code = code & "                If mode = -1 Then" & vbCrLf
    code = code & "                    c = Sgn(CDbl(items(j - gap)) - CDbl(t))" & vbCrLf
    code = code & "                Else" & vbCrLf
    code = code & "                    c = StrComp(items(j - gap), t, mode)" & vbCrLf
    code = code & "                End If" & vbCrLf
    code = code & "                If descending Then c = -c" & vbCrLf
    code = code & "                If c <= 0 Then Exit Do" & vbCrLf
    code = code & "                items(j) = items(j - gap)" & vbCrLf
    code = code & "                j = j - gap" & vbCrLf
    code = code & "            Loop" & vbCrLf
    code = code & "            items(j) = t" & vbCrLf
    code = code & "        Next" & vbCrLf
    code = code & "        gap = gap \ 2" & vbCrLf
    code = code & "    Loop" & vbCrLf
    code = code & "End Sub" & vbCrLf
    CBatCode.StringReturn code
End Sub

GenerateStatement
