total = 0
For i = 1 To 5000000
    total = total + (i Mod 7) * 3 - 2
Next
WScript.Echo total
