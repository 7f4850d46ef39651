WScript.Echo "start"          ' expect: start
On Error Resume Next
WScript.Quit 3
WScript.Echo "never"
' expect-exit: 3
