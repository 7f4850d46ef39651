' A class field declared as a dynamic array can be sized later.
Class Stack
    Private items(), count_
    Private Sub Class_Initialize : ReDim items(1) : count_ = 0 : End Sub
    Public Sub Push(v)
        If count_ > UBound(items) Then ReDim Preserve items(count_ * 2)
        items(count_) = v : count_ = count_ + 1
    End Sub
    Public Function Pop() : count_ = count_ - 1 : Pop = items(count_) : End Function
    Public Property Get Item(i) : Item = items(i) : End Property
    Public Property Let Item(i, v) : items(i) = v : End Property
End Class
Set s = New Stack
For i = 1 To 10 : s.Push i * i : Next
WScript.Echo s.Pop, s.Item(2)        ' expect: 100 9
s.Item(2) = "two"
WScript.Echo s.Item(2)               ' expect: two
Class Grid
    Public Cells(2, 2)
End Class
Set g = New Grid
g.Cells(1, 1) = "mid"
WScript.Echo g.Cells(1, 1), UBound(g.Cells, 2) ' expect: mid 2
