' Asc and Chr in the Chinese locale go through code page 936 (GBK).
WScript.Echo Asc("中"), Asc("文"), Asc("A"), Asc("中文")   ' expect: -10544 -12604 65 -10544
WScript.Echo Chr(-10544) & Chr(&HCEC4), Chr(65)          ' expect: 中文 A
WScript.Echo CStr(Chr(&HD6D0) = Chr(-10544))              ' expect: True
WScript.Echo CStr(Asc(Chr(-12604)) = -12604), AscW(Chr(-10544)) ' expect: True 20013
' Full-width forms, the euro sign and the last single byte.
WScript.Echo Asc("，"), Asc("€"), AscW(Chr(128)), Asc(Chr(255))   ' expect: -23636 128 8364 255
' Extended GBK characters beyond GB2312.
WScript.Echo Asc("丂"), Hex(Asc("丂")), AscW(Chr(&H8140))  ' expect: -32448 8140 19970
' A character the code page does not have reads as "?".
WScript.Echo Asc(ChrW(&HD83D) & ChrW(&HDE00)), Asc(ChrW(&HE000))   ' expect: 63 63
' The wide forms never change.
WScript.Echo AscW("中"), ChrW(20013)                        ' expect: 20013 中
On Error Resume Next
x = Chr(&H81) : WScript.Echo Err.Number : Err.Clear           ' expect: 5
x = Chr(&H817F) : WScript.Echo Err.Number : Err.Clear         ' expect: 5
x = Chr(&H4141) : WScript.Echo Err.Number : Err.Clear         ' expect: 5
x = Chr(65536) : WScript.Echo Err.Number : Err.Clear          ' expect: 5
x = Chr(-32769) : WScript.Echo Err.Number : Err.Clear         ' expect: 5
On Error GoTo 0
' Text comparison sorts Chinese by pinyin, binary comparison by code.
WScript.Echo StrComp("李", "张", vbTextCompare), StrComp("李", "张", vbBinaryCompare)  ' expect: -1 1
WScript.Echo StrComp("阿", "八", 1), StrComp("中国", "北京", 1), StrComp("王五", "王二", 1)  ' expect: -1 1 1
WScript.Echo StrComp("张三", "张三", 1), StrComp("Abc张", "aBC张", 1)  ' expect: 0 0
' Latin text comes before Chinese; rare characters sort by their reading too.
WScript.Echo StrComp("z", "啊", 1), StrComp("亍", "八", 1), StrComp("亍", "八", 0)   ' expect: -1 1 -1
' A simple sort by surname.
Dim names : names = Array("王", "李", "张", "赵", "陈", "刘")
For i = 0 To UBound(names) - 1
    For j = i + 1 To UBound(names)
        If StrComp(names(j), names(i), vbTextCompare) < 0 Then t = names(i) : names(i) = names(j) : names(j) = t
    Next
Next
WScript.Echo Join(names, " ")   ' expect: 陈 李 刘 王 张 赵
