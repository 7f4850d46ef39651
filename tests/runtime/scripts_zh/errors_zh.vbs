' Error texts in a Chinese environment are Chinese, as on a Chinese system.
On Error Resume Next
x = 1 / 0
WScript.Echo Err.Number, Err.Description      ' expect: 11 被零除
Err.Clear
Set o = Nothing : o.Run
WScript.Echo Err.Number, Err.Description      ' expect: 424 缺少对象
Err.Clear
Execute "If x Then"
WScript.Echo Err.Number, Err.Description      ' expect: 1014 缺少 'End'
Err.Clear
Set re = New RegExp : re.Pattern = "(a" : re.Test "a"
WScript.Echo Err.Number, Err.Description      ' expect: 5020 正则表达式中缺少 ')'
Err.Clear
Err.Raise 5016
WScript.Echo Err.Description                  ' expect: 缺少正则表达式对象
Err.Clear
' A description the script gives stays as given.
Err.Raise 1000, "mine", "my own text"
WScript.Echo Err.Description                  ' expect: my own text
