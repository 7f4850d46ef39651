' Properties with arguments, Exit Property, objects in fields and arrays.
Class Matrix
    Private cells(2, 2)
    Public Property Get Cell(r, c) : Cell = cells(r, c) : End Property
    Public Property Let Cell(r, c, v)
        If v < 0 Then Exit Property
        cells(r, c) = v
    End Property
    Public Function Sum()
        Dim r, c, total
        For r = 0 To 2 : For c = 0 To 2 : total = total + cells(r, c) : Next : Next
        Sum = total
    End Function
End Class
Set m = New Matrix
m.Cell(0, 0) = 5 : m.Cell(2, 2) = 7 : m.Cell(1, 1) = -3
WScript.Echo m.Cell(0, 0), m.Cell(2, 2), TypeName(m.Cell(1, 1)), m.Sum ' expect: 5 7 Empty 12
' Objects kept in arrays and fields, passed to procedures.
Class Person
    Public Name, Friend
    Public Function Describe()
        If IsObject(Friend) Then
            If Not Friend Is Nothing Then Describe = Name & " knows " & Friend.Name : Exit Function
        End If
        Describe = Name & " knows nobody"
    End Function
End Class
Function NewPerson(n)
    Dim p
    Set p = New Person
    p.Name = n
    Set NewPerson = p
End Function
Dim people(1)
Set people(0) = NewPerson("Ann")
Set people(1) = NewPerson("Bo")
Set people(0).Friend = people(1)
WScript.Echo people(0).Describe()        ' expect: Ann knows Bo
WScript.Echo people(1).Describe()        ' expect: Bo knows nobody
Sub Rename(p, n) : p.Name = n : End Sub
Rename people(1), "Bob"
WScript.Echo people(0).Describe()        ' expect: Ann knows Bob
' Me passed out of the class.
Class Node
    Public Value, Parent
    Public Sub AttachTo(p) : Set Parent = p : p.Adopt Me : End Sub
    Public Sub Adopt(child) : Value = Value + child.Value : End Sub
End Class
Set root = New Node : root.Value = 1
Set leaf = New Node : leaf.Value = 10
leaf.AttachTo root
WScript.Echo root.Value, leaf.Parent Is root ' expect: 11 -1
' Reading a write-only property and writing a read-only one.
Class Gate
    Public Property Let Code(v) : End Property
    Public Property Get Open() : Open = True : End Property
End Class
Set g = New Gate
On Error Resume Next
x = g.Code : WScript.Echo Err.Number : Err.Clear     ' expect: 438
g.Open = False : WScript.Echo Err.Number : Err.Clear ' expect: 438
