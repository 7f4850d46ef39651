Class Account
    Private balance
    Public Sub Withdraw(n)
        If n > balance Then Err.Raise vbObjectError + 10, "Account", "Not enough money"
        balance = balance - n
    End Sub
End Class
Set a = New Account
WScript.Echo "start"                     ' expect: start
a.Withdraw 5
' expect-error: error_in_method.vbs(4, 29) Account -2147221494: Not enough money
