WScript.Echo "fine"
s = "no end
' expect-error: (2, 5) VBScript compilation error 1033: Unterminated string constant
