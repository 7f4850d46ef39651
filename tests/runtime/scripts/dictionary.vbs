' Scripting.Dictionary: every member, CompareMode, For Each over keys and its errors.
Dim d, k, a
Set d = CreateObject("Scripting.Dictionary")
WScript.Echo TypeName(d), d.Count, d.CompareMode    ' expect: Dictionary 0 0
d.Add "b", 2
d.Add "a", 1
d("c") = 3
d.Item("d") = 4
WScript.Echo d.Count, d("a"), d.Item("c")           ' expect: 4 1 3
For Each k In d
    WScript.Echo k & "=" & d(k)
Next
' expect: b=2
' expect: a=1
' expect: c=3
' expect: d=4
WScript.Echo Join(d.Keys, ","), Join(d.Items, ",")  ' expect: b,a,c,d 2,1,3,4
WScript.Echo d.Exists("a"), d.Exists("A"), d.Exists("z")  ' expect: -1 0 0

' Changing: items, keys, removal keeps the order of the rest.
d("a") = 10
d.Key("b") = "bee"
d.Remove "c"
WScript.Echo Join(d.Keys, ","), Join(d.Items, ",")  ' expect: bee,a,d 2,10,4
' Reading a missing key adds it with an empty item.
WScript.Echo IsEmpty(d("new")), d.Count, d.Exists("new")  ' expect: -1 4 -1
d.RemoveAll
WScript.Echo d.Count, UBound(d.Keys)                ' expect: 0 -1

' Keys compare by value: numbers as numbers, texts exactly unless CompareMode is text.
d.Add 1, "one"
WScript.Echo d.Exists(1.0), d.Exists(CLng(1)), d.Exists("1")  ' expect: -1 -1 0
d.Add "1", "text one"
WScript.Echo d.Count, d(1), d("1")                  ' expect: 2 one text one
Set a = New RegExp
d.Add a, "object"
WScript.Echo d(a), d.Exists(New RegExp)             ' expect: object 0
Set d("obj") = a
WScript.Echo TypeName(d("obj"))                     ' expect: IRegExp2

Dim t
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
t.Add "Key", 1
WScript.Echo t.Exists("KEY"), t("kEy"), t.CompareMode  ' expect: -1 1 1

' Errors: a duplicate key is 457, a missing one 32811; CompareMode is fixed once filled.
On Error Resume Next
t.Add "KEY", 2
WScript.Echo Err.Number, Err.Description           ' expect: 457 This key is already associated with an element of this collection
Err.Clear
t.Remove "missing"
WScript.Echo Err.Number                             ' expect: 32811
Err.Clear
t.Key("missing") = "x"
WScript.Echo Err.Number                             ' expect: 32811
Err.Clear
t.Add "other", 2
t.Key("other") = "key"
WScript.Echo Err.Number                             ' expect: 457
Err.Clear
t.CompareMode = vbBinaryCompare
WScript.Echo Err.Number, t.CompareMode              ' expect: 5 1
Err.Clear
t.Add Array(1), 1
WScript.Echo Err.Number                             ' expect: 13
Err.Clear
t.NoSuchMember
WScript.Echo Err.Number                             ' expect: 438
Err.Clear
' HashVal: a Long from 0 to 1200; keys the dictionary takes as one key hash alike.
Set h = CreateObject("Scripting.Dictionary")
v = h.HashVal("Key")
WScript.Echo TypeName(v), CStr(v >= 0 And v <= 1200)          ' expect: Long True
WScript.Echo CStr(h.HashVal(1) = h.HashVal(1.0)), CStr(h.HashVal(CByte(7)) = h.HashVal(7&))  ' expect: True True
WScript.Echo CStr(h.HashVal("Key") = h.HashVal("Key"))          ' expect: True
h.CompareMode = vbTextCompare
WScript.Echo CStr(h.HashVal("KEY") = h.HashVal("key")), CStr(h.HashVal("中文") = h.HashVal("中文"))  ' expect: True True
Dim spread : Set spread = CreateObject("Scripting.Dictionary")
For i = 1 To 200
    spread(h.HashVal("name" & i)) = True
Next
WScript.Echo CStr(spread.Count > 100)                          ' expect: True
h.HashVal Array(1)
WScript.Echo Err.Number                                        ' expect: 13
Err.Clear
h.HashVal
WScript.Echo Err.Number                                        ' expect: 450
