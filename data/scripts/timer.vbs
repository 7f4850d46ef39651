' 生成计时代码：用 Timer 测量一段代码运行了多少秒。
CBatCode.StringReturn "startTime = Timer" & vbCrLf & "' 要计时的代码" & vbCrLf & "elapsed = Timer - startTime" & vbCrLf & "MsgBox ""用时 "" & FormatNumber(elapsed, 2) & "" 秒""" & vbCrLf
