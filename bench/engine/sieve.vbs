n = 2000000
Dim flags()
ReDim flags(n)
For i = 2 To n
    flags(i) = True
Next
i = 2
Do While i * i <= n
    If flags(i) Then
        For j = i * i To n Step i
            flags(j) = False
        Next
    End If
    i = i + 1
Loop
count = 0
For i = 2 To n
    If flags(i) Then count = count + 1
Next
WScript.Echo count
