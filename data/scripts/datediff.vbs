' 生成 DateDiff：计算两个日期相差多少天、月、年等。
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
    Dim first, second, unit
    first = InputBox("较早的日期（变量或表达式）：", "日期差", "#2024/1/1#")
    If IsEmpty(first) Then Exit Sub
    second = InputBox("较晚的日期（变量或表达式）：", "日期差", "Date")
    If IsEmpty(second) Then Exit Sub
    If Not IsExpression(first) Then
        BadExpression first
        Exit Sub
    End If
    If Not IsExpression(second) Then
        BadExpression second
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("天,周,月,年,小时,分钟,秒", "按什么单位计算？")
        Case "天": unit = "d"
        Case "周": unit = "ww"
        Case "月": unit = "m"
        Case "年": unit = "yyyy"
        Case "小时": unit = "h"
        Case "分钟": unit = "n"
        Case "秒": unit = "s"
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn "difference = DateDiff(""" & unit & """, " & first & ", " & second & ")" & vbCrLf
End Sub

GenerateStatement
