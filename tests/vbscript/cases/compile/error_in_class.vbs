WScript.Echo "never"
Class Broken
    Public Sub Go()
        If True Then
            x = 1
        End Sub
End Class
' expect-error: error_in_class.vbs(6, 13) VBScript compilation error 1012: Expected 'If'
