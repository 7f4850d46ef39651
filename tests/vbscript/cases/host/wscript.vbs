' The console host's WScript object.
WScript.Echo WScript.ScriptName                ' expect: wscript.vbs
WScript.Echo WScript.Arguments.Count           ' expect: 0
WScript.Echo "a", 1, True, Null, 2.5          ' expect: a 1 -1 Null 2.5
WScript.Echo                                   ' expect:
MsgBox "shown on the console"                  ' expect: shown on the console
On Error Resume Next
WScript.NoSuchMember
WScript.Echo Err.Number                        ' expect: 438
