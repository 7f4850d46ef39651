' Rnd and Randomize follow the language's generator: a fixed first value, Rnd(0) repeats,
' a negative argument restarts a sequence, and Rnd -1 with Randomize n repeats it too.
WScript.Echo Rnd()                       ' expect: 0.7055475
WScript.Echo Rnd(), Rnd(), Rnd(), Rnd()  ' expect: 0.533424 0.5795186 0.2895625 0.301948
WScript.Echo Rnd(-1), Rnd(-1)            ' expect: 0.224007 0.224007
Dim a, b, c
a = Rnd()
WScript.Echo Rnd(0) = a, TypeName(a)     ' expect: -1 Single
a = Rnd(-5) : b = Rnd() : c = Rnd()
Rnd -5
WScript.Echo Rnd() = b, Rnd() = c, Rnd(-5) = a  ' expect: -1 -1 -1
Rnd -1
Randomize 10
a = Rnd() : b = Rnd()
Rnd -1
Randomize 10
WScript.Echo Rnd() = a, Rnd() = b        ' expect: -1 -1
Randomize
Dim i, ok
ok = True
For i = 1 To 1000
    a = Rnd()
    If a < 0 Or a >= 1 Then ok = False
Next
WScript.Echo ok                          ' expect: -1
