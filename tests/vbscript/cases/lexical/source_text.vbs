' Case-insensitive keywords and names, continuation, separators, comments.
DIM Total : total = 1 : TOTAL = Total + 1
wscript.echo total                       ' expect: 2
x = 1 + _
    2 + _
    3
WScript.Echo x                           ' expect: 6
Rem a whole-line comment
y = 5 : Rem a comment after a separator
WScript.Echo y                           ' expect: 5
Dim [my var]
[my var] = "bracketed"
WScript.Echo [my var]                    ' expect: bracketed
WScript.Echo "He said ""hi"""            ' expect: He said "hi"
WScript.Echo Len("")                     ' expect: 0
WScript.Echo "a'b"                       ' expect: a'b
remark = 3
WScript.Echo remark                      ' expect: 3
