' 生成 DateAdd：在日期上加减若干年、月、日、小时等。
Function IsExpression(e)
    ' 把表达式编进一个不会被调用的过程里试试，能编译才算合法。
    If Trim(e) = "" Then
        IsExpression = False
        Exit Function
    End If
    On Error Resume Next
    ExecuteGlobal "Sub ExpressionCheck__()" & vbCrLf & "probe__ = (" & e & ")" & vbCrLf & "End Sub"
    IsExpression = (Err.Number = 0)
    Err.Clear
End Function

Sub BadExpression(e)
    MsgBox "“" & e & "”不是合法的 VBScript 表达式，请检查括号、引号和运算符。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim source, unit, count
    source = InputBox("日期变量或表达式：", "日期加减", "Date")
    If IsEmpty(source) Then Exit Sub
    If Not IsExpression(source) Then
        BadExpression source
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("日,周,月,季度,年,小时,分钟,秒", "按什么单位加减？")
        Case "年": unit = "yyyy"
        Case "季度": unit = "q"
        Case "月": unit = "m"
        Case "周": unit = "ww"
        Case "日": unit = "d"
        Case "小时": unit = "h"
        Case "分钟": unit = "n"
        Case "秒": unit = "s"
        Case Else: Exit Sub
    End Select
    count = InputBox("加多少（减去用负数）：", "日期加减", "7")
    If IsEmpty(count) Then Exit Sub
    If Not IsNumeric(count) Then
        MsgBox "数量必须是数字。", vbExclamation
        Exit Sub
    End If
    CBatCode.StringReturn "newDate = DateAdd(""" & unit & """, " & CLng(count) & ", " & source & ")" & vbCrLf
End Sub

GenerateStatement
