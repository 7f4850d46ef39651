' 问候：询问名字，再显示今天的日期
Option Explicit
Dim name
name = InputBox("请输入你的名字：", "问候")
If name = "" Then
    MsgBox "你没有输入名字。", vbExclamation, "问候"
Else
    MsgBox "你好，" & name & "！今天是 " & Date & "。", vbInformation, "问候"
End If
