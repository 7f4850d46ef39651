' 生成一条 InputBox 语句，把结果存进变量。
Dim name, prompt
name = InputBox("结果存放在哪个变量里？", "输入框", "answer")
prompt = InputBox("提示文字：", "输入框", "请输入：")
If name <> "" Then CBatCode.StringReturn name & " = InputBox(""" & Replace(prompt, """", """""") & """)"
