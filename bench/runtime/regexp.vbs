' RegExp: Execute, Replace and Test over a large text.
Dim base, i, re, ms, m, total, s
base = ""
For i = 1 To 2000
    base = base & "user" & i & "@example" & (i Mod 7) & ".com, note " & i & "; "
Next
Set re = New RegExp
re.Pattern = "(\w+)@(\w+)\.com"
re.Global = True
total = 0
For i = 1 To 30
    Set ms = re.Execute(base)
    total = total + ms.Count
    For Each m In ms
        total = total + Len(m.SubMatches(1))
    Next
Next
For i = 1 To 30
    s = re.Replace(base, "$2 at $1")
    total = total + Len(s)
Next
re.Global = False
re.Pattern = "note 1999;"
For i = 1 To 300
    If re.Test(base) Then total = total + 1
Next
WScript.Echo total
