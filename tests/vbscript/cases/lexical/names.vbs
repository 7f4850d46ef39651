' Keywords may follow a dot as member names; names may hold digits and _.
Class Bag
    Public Step, Item, Name_2
End Class
Set b = New Bag
b.Step = 1 : b.Item = "x" : b.Name_2 = 3
WScript.Echo b.Step, b.Item, b.Name_2    ' expect: 1 x 3
var1 = 1 : VAR1 = VAR1 + 1 : Var1 = Var1 + 1
WScript.Echo var1                        ' expect: 3
' Text is UTF-16: length counts code units.
WScript.Echo Len("中文字"), Len("a" & ChrW(&HD83D) & ChrW(&HDE00)) ' expect: 3 3
WScript.Echo Mid("语言脚本", 2, 2)           ' expect: 言脚
' Comments and continuations in odd places.
total = 1 + _
        2 ' comment after a continued line
WScript.Echo total                       ' expect: 3
If total = 3 Then WScript.Echo "ok" ' trailing comment   ' expect: ok
