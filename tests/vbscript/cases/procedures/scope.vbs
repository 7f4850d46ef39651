' Each call has its own locals, also in recursion.
Function Walk(n)
    Dim mine
    mine = n
    If n > 0 Then Walk n - 1
    Walk = mine
End Function
WScript.Echo Walk(5)                     ' expect: 5
' A Dim inside a procedure hides the global of the same name.
x = "global"
Sub Shadow()
    Dim x
    x = "local"
End Sub
Shadow
WScript.Echo x                           ' expect: global
' Without Dim, an existing global is used.
Sub Touch() : x = "touched" : End Sub
Touch
WScript.Echo x                           ' expect: touched
' Procedures may be called before their definition.
WScript.Echo Later(2)                    ' expect: 4
Function Later(v) : Later = v * 2 : End Function
' ByRef through two levels.
Sub Outer(a) : Inner a : End Sub
Sub Inner(b) : b = b & "!" : End Sub
s = "hi"
Outer s
WScript.Echo s                           ' expect: hi!
' A ByVal parameter can be changed freely.
Function Countdown(ByVal n)
    Do While n > 0 : n = n - 1 : Loop
    Countdown = n
End Function
k = 3
WScript.Echo Countdown(k), k             ' expect: 0 3
' Sub with no arguments, called in every allowed way.
Sub Ping() : WScript.Echo "ping" : End Sub
Ping                                     ' expect: ping
Call Ping                                ' expect: ping
Call Ping()                              ' expect: ping
Ping()                                   ' expect: ping
' Function results used as statements are discarded.
Function Noisy() : WScript.Echo "noisy" : Noisy = 1 : End Function
Noisy                                    ' expect: noisy
' Inside a function, reading its own name calls it again.
Function Sum3(n)
    If n = 0 Then Sum3 = 0 Else Sum3 = n + Sum3(n - 1)
End Function
WScript.Echo Sum3(3)                     ' expect: 6
