Class Counter
    Private count_
    Public Name
    Dim Tag
    Private Sub Class_Initialize()
        count_ = 0
        Name = "unnamed"
    End Sub
    Public Sub Add(n) : count_ = count_ + n : End Sub
    Public Property Get Count() : Count = count_ : End Property
    Public Property Let Count(v)
        If v < 0 Then Err.Raise 5
        count_ = v
    End Property
    Public Function Twice() : Twice = count_ * 2 : End Function
    Private Function Secret() : Secret = "hidden" : End Function
    Public Function Reveal() : Reveal = Secret() & "/" & Me.Name : End Function
End Class
Set c = New Counter
c.Add 5 : c.Add 2
WScript.Echo c.Count, c.Twice, c.Name        ' expect: 7 14 unnamed
c.Count = 1 : c.Name = "clicks" : c.Tag = "t"
WScript.Echo c.Count, c.Name, c.Tag          ' expect: 1 clicks t
WScript.Echo c.Reveal()                      ' expect: hidden/clicks
WScript.Echo TypeName(c)                     ' expect: Counter
On Error Resume Next
x = c.count_ : WScript.Echo Err.Number : Err.Clear      ' expect: 438
x = c.Nope : WScript.Echo Err.Number : Err.Clear        ' expect: 438
c.Count = -1 : WScript.Echo Err.Number, c.Count : Err.Clear ' expect: 5 1
' Property Set, Default member, With.
Class Box
    Private item_
    Public Property Set Item(o) : Set item_ = o : End Property
    Public Property Get Item() : Set Item = item_ : End Property
    Public Default Function Describe() : Describe = "box of " & TypeName(item_) : End Function
End Class
Set b = New Box
Set b.Item = c
WScript.Echo b.Item.Name, b()                ' expect: clicks box of Counter
s = b
WScript.Echo s                               ' expect: box of Counter
With c
    .Name = "with"
    .Add 10
    WScript.Echo .Name, .Count               ' expect: with 11
End With
' Set is required for objects.
Set o = c
WScript.Echo CStr(o Is c)                    ' expect: True
Err.Clear
Set o = 5 : WScript.Echo Err.Number : Err.Clear    ' expect: 424
x = c : WScript.Echo Err.Number : Err.Clear        ' expect: 438
