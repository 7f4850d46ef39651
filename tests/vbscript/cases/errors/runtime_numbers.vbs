' Each runtime error the engine raises, with its number and text.
On Error Resume Next
Sub Check(label)
    WScript.Echo label & " " & Err.Number & " " & Err.Description
    Err.Clear
End Sub
Dim fixed(2)
x = fixed(5) : Check "index"          ' expect: index 9 Subscript out of range
ReDim fixed(4) : Check "redim"        ' expect: redim 10 This array is fixed or temporarily locked
x = 5 \ 0 : Check "intdiv"            ' expect: intdiv 11 Division by zero
x = 5 Mod 0 : Check "mod"             ' expect: mod 11 Division by zero
x = "a" * 2 : Check "mismatch"        ' expect: mismatch 13 Type mismatch
x = CInt(1E10) : Check "overflow"     ' expect: overflow 6 Overflow
x = Nothing.Foo : Check "nothing"     ' expect: nothing 424 Object required
x = 5 : x.Foo : Check "notobj"        ' expect: notobj 424 Object required
Set d = New Empty1
d.Missing : Check "member"            ' expect: member 438 Object doesn't support this property or method
x = UBound(5) : Check "ubound"        ' expect: ubound 13 Type mismatch
x = Len() : Check "argcount"          ' expect: argcount 450 Wrong number of arguments or invalid property assignment
For Each v In 3 : Next : Check "foreach" ' expect: foreach 451 Object not a collection
Set o = New NoSuchClass : Check "class" ' expect: class 506 Class not defined
x = (-1) ^ 0.5 : Check "pow"          ' expect: pow 5 Invalid procedure call or argument
x = Mid("abc", 0) : Check "mid"       ' expect: mid 5 Invalid procedure call or argument
x = Null + "" : y = CLng(x) : Check "null" ' expect: null 94 Invalid use of Null
UndefinedSub 1 : Check "undef"        ' expect: undef 13 Type mismatch
Const K = 1
K = 2 : Check "const"                 ' expect: const 501 Illegal assignment
Set w = Nothing : w.Go : Check "callnothing" ' expect: callnothing 424 Object required
Dim e() : x = UBound(e) : Check "emptyarray" ' expect: emptyarray 9 Subscript out of range
x = Eval("") : Check "evalempty"      ' expect: evalempty 1023 Expected expression
Set nob = Nothing
x = nob : Check "notset"              ' expect: notset 91 Object variable not set
x = .Name : Check "with"              ' expect: with 505 Invalid or unqualified reference
Set o = CreateObject("No.Such.Thing") : Check "create" ' expect: create 429 ActiveX component can't create object
Err.Raise 0 : Check "raise0"          ' expect: raise0 5 Invalid procedure call or argument
Class Empty1
End Class
