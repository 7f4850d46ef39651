' 生成一条 MsgBox 语句：询问提示文字、按钮和图标。
Dim text, buttons, icon
text = InputBox("请输入消息框要显示的文字：", "消息框")
buttons = CBatCode.OptionDLG("0|只有确定,1|确定和取消,4|是和否,3|是、否和取消", "选择按钮")
icon = CBatCode.OptionDLG("0|无图标,16|错误,32|询问,48|警告,64|信息", "选择图标")
If buttons = "" Then buttons = "0|"
If icon = "" Then icon = "0|"
buttons = Left(buttons, InStr(buttons, "|") - 1)
icon = Left(icon, InStr(icon, "|") - 1)
CBatCode.StringReturn "MsgBox """ & Replace(text, """", """""") & """, " & (CInt(buttons) + CInt(icon))
