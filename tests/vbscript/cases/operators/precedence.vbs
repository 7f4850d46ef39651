' Parentheses group operands, also around variables read in place and calls.
n = 3
Function Twice(v) : Twice = v * 2 : End Function
WScript.Echo (n) * 2, ((1 + 2)) * 3, -(n) ^ 2, (n) & (n), (Twice(n)) - (n)   ' expect: 6 9 9 33 3
