' MsgBox reaches the host's message service; without a dialog the console host prints the
' prompt and answers with the box's default button (Yes for a Yes/No box).
Dim r
r = MsgBox("你好，世界", vbYesNo + vbQuestion, "标题")  ' expect: 你好，世界
WScript.Echo r, TypeName(r)                          ' expect: 6 Integer
On Error Resume Next
r = MsgBox(Null)
WScript.Echo Err.Number                              ' expect: 94
