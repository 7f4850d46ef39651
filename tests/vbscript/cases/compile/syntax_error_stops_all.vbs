' A syntax error anywhere stops the whole file before any of it runs.
WScript.Echo "must not run"
x = 1
y = (x +
' expect-error: syntax_error_stops_all.vbs(4, 9) VBScript compilation error 1023: Expected expression
