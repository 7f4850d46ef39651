WScript.Echo "cr"WScript.Echo "lf"
WScript.Echo "crlf"
WScript.Echo "end"
' expect: cr
' expect: lf
' expect: crlf
' expect: end
