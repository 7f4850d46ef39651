' MsgBox reaches the host's message service; without a dialog the console host prints the
' prompt and answers OK.
Dim r
r = MsgBox("你好，世界", vbYesNo + vbQuestion, "标题")  ' expect: 你好，世界
WScript.Echo r, TypeName(r)                          ' expect: 1 Integer
On Error Resume Next
r = MsgBox(Null)
WScript.Echo Err.Number                              ' expect: 94
