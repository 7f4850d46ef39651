' Scripting.Dictionary: adding, finding, reading, changing and removing keys.
Dim d, i, n, hits, k, total
Set d = CreateObject("Scripting.Dictionary")
n = 200000
For i = 1 To n
    d.Add "key" & i, i
Next
hits = 0
For i = 1 To n * 2 Step 2
    If d.Exists("key" & i) Then hits = hits + 1
Next
total = 0
For i = 1 To n
    total = total + d.Item("key" & i)
Next
For i = 1 To n Step 3
    d("key" & i) = 0
Next
For i = 2 To n Step 2
    d.Remove "key" & i
Next
For Each k In d.Keys
    total = total + d(k)
Next
WScript.Echo hits, d.Count, total
