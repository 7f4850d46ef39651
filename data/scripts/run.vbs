' 生成用 WScript.Shell 运行程序的代码：可选窗口样式和是否等待程序结束。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim command, style, wait, code
    command = InputBox("要运行的命令（程序路径含空格时请用双引号括起来）：", "运行程序", "notepad.exe")
    If IsEmpty(command) Then Exit Sub
    If Trim(command) = "" Then
        MsgBox "命令不能为空。", vbExclamation
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("正常窗口,最小化,最大化,隐藏窗口", "程序窗口如何显示？")
        Case "正常窗口": style = 1
        Case "最小化": style = 7
        Case "最大化": style = 3
        Case "隐藏窗口": style = 0
        Case Else: Exit Sub
    End Select
    wait = CBatCode.OptionDLG("不等待,等待程序结束", "是否等待程序运行结束再继续？")
    If wait = "" Then Exit Sub
    code = "Set shell = CreateObject(""WScript.Shell"")" & vbCrLf
    If wait = "等待程序结束" Then
        code = code & "exitCode = shell.Run(" & Quoted(command) & ", " & style & ", True)" & vbCrLf
    Else
        code = code & "shell.Run " & Quoted(command) & ", " & style & ", False" & vbCrLf
    End If
    CBatCode.StringReturn code
End Sub

GenerateStatement
