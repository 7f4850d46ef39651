' Text built-ins on large strings: Replace, Split, Join, InStr, UCase, Mid, StrReverse.
Dim base, i, s, parts, joined, count, pos, total
base = ""
For i = 1 To 2000
    base = base & "alpha beta gamma delta " & i & ";"
Next
' About 60 000 characters; each step below works on the whole text.
total = 0
For i = 1 To 200
    s = Replace(base, "beta", "BETA")
    total = total + Len(s)
    parts = Split(base, ";")
    joined = Join(parts, "|")
    total = total + UBound(parts) + Len(joined)
    s = UCase(base)
    total = total + InStr(s, "DELTA 1999")
    s = StrReverse(base)
    total = total + Len(s)
Next
count = 0
For i = 1 To 20
    pos = InStr(1, base, "gamma")
    Do While pos > 0
        count = count + 1
        pos = InStr(pos + 1, base, "gamma")
    Loop
Next
For i = 1 To 200000
    s = Mid(base, (i Mod 5000) + 1, 10)
    total = total + Len(Trim(s))
Next
WScript.Echo total, count
