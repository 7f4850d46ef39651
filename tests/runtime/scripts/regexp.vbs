' RegExp: properties, Test, Execute with Matches, Match and SubMatches, Replace.
Dim re, ms, m, s
Set re = New RegExp
WScript.Echo TypeName(re), re.Pattern = "", re.IgnoreCase, re.Global, re.Multiline  ' expect: IRegExp2 -1 0 0 0
re.Pattern = "(\w+)@(\w+)\.com"
WScript.Echo re.Test("write to joe@example.com"), re.Test("nobody")   ' expect: -1 0

' Without Global, Execute finds the first match only.
Set ms = re.Execute("joe@a.com, ann@b.com")
WScript.Echo TypeName(ms), ms.Count, ms(0).Value, ms.Item(0).FirstIndex  ' expect: IMatchCollection2 1 joe@a.com 0
re.Global = True
Set ms = re.Execute("joe@a.com, ann@b.com")
WScript.Echo ms.Count                                         ' expect: 2
For Each m In ms
    WScript.Echo m, m.FirstIndex, m.Length, m.SubMatches.Count, m.SubMatches(0), m.SubMatches.Item(1)
Next
' expect: joe@a.com 0 9 2 joe a
' expect: ann@b.com 11 9 2 ann b
Set m = ms(1)
WScript.Echo TypeName(m), TypeName(m.SubMatches)              ' expect: IMatch2 ISubMatches
For Each s In m.SubMatches
    WScript.Echo s
Next
' expect: ann
' expect: b

' An unmatched group gives Empty; empty matches advance one position.
re.Pattern = "(a)|(b)"
Set ms = re.Execute("b")
WScript.Echo IsEmpty(ms(0).SubMatches(0)), ms(0).SubMatches(1)  ' expect: -1 b
re.Pattern = "x*"
WScript.Echo re.Execute("axb").Count, re.Replace("ab", "-")   ' expect: 4 -a-b-

' Replace with $1..$9, $&, $`, $' and $$.
re.Pattern = "(\w+)@(\w+)"
WScript.Echo re.Replace("joe@ex and ann@foo", "$2:$1")       ' expect: ex:joe and foo:ann
WScript.Echo re.Replace("a joe@ex b", "[$&]")                ' expect: a [joe@ex] b
WScript.Echo re.Replace("a joe@ex b", "<$`|$'>")             ' expect: a <a | b> b
WScript.Echo re.Replace("joe@ex", "$$1 $3 $")                ' expect: $1 $3 $
re.Global = False
WScript.Echo re.Replace("joe@ex ann@foo", "X")               ' expect: X ann@foo

' IgnoreCase and Multiline.
re.Global = True
re.Pattern = "^b\w*"
WScript.Echo re.Execute("apple" & vbLf & "Banana" & vbLf & "berry").Count  ' expect: 0
re.Multiline = True
WScript.Echo re.Execute("apple" & vbLf & "Banana" & vbLf & "berry").Count  ' expect: 1
re.IgnoreCase = True
WScript.Echo re.Execute("apple" & vbLf & "Banana" & vbLf & "berry").Count  ' expect: 2

' The dialect: classes, lazy quantifiers, back references, lookahead, boundaries.
re.Multiline = False
re.IgnoreCase = False
re.Pattern = "<.+?>"
WScript.Echo re.Execute("<a><bc>")(1)                        ' expect: <bc>
re.Pattern = "\b(\w)(\w)?\2\1\b"
WScript.Echo re.Test("anna"), re.Test("anne")                ' expect: -1 0
re.Pattern = "\d+(?=元)"
WScript.Echo re.Execute("价格 25元，数量 3 件")(0)              ' expect: 25
re.Pattern = "^(?!.*坏).*$"
WScript.Echo re.Test("一切都好"), re.Test("有点坏")            ' expect: -1 0
re.Pattern = "[^\s,]+"
WScript.Echo re.Execute("a, b,c  d").Count                   ' expect: 4
re.Pattern = "\x41\u4E2D[\d-]{2,3}"
WScript.Echo re.Test("A中1-2")                               ' expect: -1

Dim r2
Set r2 = CreateObject("VBScript.RegExp")
WScript.Echo TypeName(r2)                                    ' expect: IRegExp2

' A bad pattern fails when it is used, with the error of its fault.
On Error Resume Next
Dim bad
For Each bad In Array("a(", "a)", "*a", "a**", "[abc", "[z-a]", "a\")
    re.Pattern = bad
    re.Test "x"
    WScript.Echo Err.Number
    Err.Clear
Next
' expect: 5020
' expect: 5017
' expect: 5018
' expect: 5018
' expect: 5019
' expect: 5021
' expect: 5017
re.Pattern = "ok"
WScript.Echo re.Test("ok"), Err.Number                       ' expect: -1 0
re.Pattern = "(a"
re.Test "a"
WScript.Echo Err.Description                                 ' expect: Expected ')' in regular expression
On Error GoTo 0
' Replace with a function: it receives the match, its submatches, FirstIndex and the text.
Function Shout(m, pos, src)
    Shout = UCase(m) & "@" & pos & "/" & Len(src)
End Function
Set fr = New RegExp
fr.Pattern = "[a-z]+"
fr.Global = True
WScript.Echo fr.Replace("ab 12 cd", GetRef("Shout"))         ' expect: AB@0/8 12 CD@6/8
fr.Global = False
WScript.Echo fr.Replace("ab 12 cd", GetRef("Shout"))         ' expect: AB@0/8 12 cd
Class PairSwap
    Public Default Function Swap(m, a, b, pos, src)
        Swap = b & a
    End Function
End Class
fr.Pattern = "(\w)(\w)"
fr.Global = True
WScript.Echo fr.Replace("abcdE", New PairSwap)               ' expect: badcE
' An optional group that took no part arrives as Empty.
Function Kind(m, opt, pos, src)
    Kind = "[" & TypeName(opt) & "]"
End Function
fr.Pattern = "x(y)?"
WScript.Echo fr.Replace("x xy", GetRef("Kind"))              ' expect: [Empty] [String]
' A replacer that changes the pattern affects the next call only.
Function Repattern(m, pos, src)
    fr.Pattern = "zzz"
    Repattern = "<" & m & ">"
End Function
fr.Pattern = "\d"
WScript.Echo fr.Replace("1a2", GetRef("Repattern")), fr.Pattern   ' expect: <1>a<2> zzz
' An error in the replacer reaches the script with its own number.
Function Fails(m, pos, src)
    Err.Raise 1234, "mine", "replacer failed"
End Function
fr.Pattern = "a"
On Error Resume Next
r = fr.Replace("a", GetRef("Fails"))
WScript.Echo Err.Number, Err.Description                     ' expect: 1234 replacer failed
Err.Clear
Err.Raise 5016
WScript.Echo Err.Description                                 ' expect: Regular Expression object expected
Err.Clear
On Error GoTo 0
' The replacer may use the same RegExp again, even recursively.
Function Deep(m, pos, src)
    If Len(m) > 1 Then Deep = fr.Replace(Mid(m, 2), GetRef("Deep")) Else Deep = "<" & m & ">"
End Function
fr.Pattern = "\w+"
fr.Global = True
WScript.Echo fr.Replace("abc de", GetRef("Deep"))          ' expect: <c> <e>
' IgnoreCase ignores case only, not width.
Set wr = New RegExp
wr.IgnoreCase = True
wr.Pattern = "abc"
WScript.Echo CStr(wr.Test("ABC")), CStr(wr.Test("ＡＢＣ"))   ' expect: True False
