' For with any step; the variable ends one step past the end.
s = ""
For i = 1 To 10 Step 3 : s = s & i & " " : Next
WScript.Echo s & "| " & i                     ' expect: 1 4 7 10 | 13
s = ""
For i = 5 To 1 Step -2 : s = s & i : Next
WScript.Echo s, i                             ' expect: 531 -1
s = ""
For x = 0 To 1 Step 0.25 : s = s & x & ";" : Next
WScript.Echo s                                ' expect: 0;0.25;0.5;0.75;1;
For i = 1 To 0 : WScript.Echo "never" : Next
WScript.Echo i                                ' expect: 1
' Start, end and step are evaluated once; the body may change the variable.
n = 3 : c = 0
For i = 1 To n : n = 10 : c = c + 1 : Next
WScript.Echo c                                ' expect: 3
c = 0
For i = 1 To 10 : i = i + 1 : c = c + 1 : Next
WScript.Echo c, i                             ' expect: 5 11
' Do loops, While/Wend, Exit.
i = 0
Do While i < 3 : i = i + 1 : Loop
WScript.Echo i                                ' expect: 3
Do Until i = 0 : i = i - 1 : Loop
WScript.Echo i                                ' expect: 0
Do : i = i + 1 : Loop While i < 5
WScript.Echo i                                ' expect: 5
Do : i = i + 1 : Loop Until True
WScript.Echo i                                ' expect: 6
Do
    i = i + 1
    If i >= 9 Then Exit Do
Loop
WScript.Echo i                                ' expect: 9
While i > 7 : i = i - 1 : Wend
WScript.Echo i                                ' expect: 7
For i = 1 To 100
    For j = 1 To 100
        If j = 3 Then Exit For
    Next
    If i = 4 Then Exit For
Next
WScript.Echo i, j                             ' expect: 4 3
' For Each gives copies of array elements.
arr = Array(1, 2, 3) : t = 0
For Each v In arr : t = t + v : v = 0 : Next
WScript.Echo t, arr(0)                        ' expect: 6 1
For Each v In Array() : WScript.Echo "never" : Next
