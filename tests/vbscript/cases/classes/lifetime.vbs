' Class_Terminate runs when the last reference goes, before the statement ends.
Class Tracked
    Public Id
    Private Sub Class_Terminate() : WScript.Echo "bye " & Id : End Sub
End Class
Set a = New Tracked : a.Id = 1
Set b = a
Set a = Nothing
WScript.Echo "still held"        ' expect: still held
Set b = Nothing : WScript.Echo "after"
' expect: bye 1
' expect: after
Sub Scope()
    Dim t
    Set t = New Tracked : t.Id = 2
    WScript.Echo "in scope"
End Sub
Scope
' expect: in scope
' expect: bye 2
Set x = New Tracked : x.Id = 3
Set x = New Tracked
' expect: bye 3
x.Id = 4
' A long chain is freed without exhausting the stack.
Class Node
    Public NextNode
End Class
Set head = Nothing
For i = 1 To 200000
    Set n = New Node
    Set n.NextNode = head
    Set head = n
Next
Set n = Nothing
Set head = Nothing
WScript.Echo "freed"             ' expect: freed
' expect: bye 4
