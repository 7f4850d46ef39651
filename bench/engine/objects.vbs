Class Point
    Public X, Y
    Public Sub Init(ax, ay)
        X = ax
        Y = ay
    End Sub
    Public Function Dot(other)
        Dot = X * other.X + Y * other.Y
    End Function
End Class
total = 0
For i = 1 To 300000
    Set p = New Point
    p.Init i Mod 100, 2
    Set q = New Point
    q.Init 3, i Mod 10
    total = total + p.Dot(q)
Next
WScript.Echo total
