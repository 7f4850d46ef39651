' 生成取得特殊文件夹路径的语句：桌面、我的文档、开始菜单等。
Function IsName(s)
    Dim re
    Set re = New RegExp
    re.Pattern = "^[A-Za-z][A-Za-z0-9_]*$"
    IsName = re.Test(s)
End Function

Sub BadName(s)
    MsgBox "“" & s & "”不是合法的名称：须以英文字母开头，只含字母、数字和下划线。", vbExclamation
End Sub

Sub GenerateStatement()
    Dim name, target
    Select Case CBatCode.OptionDLG("桌面,我的文档,开始菜单,程序菜单,启动,收藏夹,发送到,模板", "哪个特殊文件夹？")
        Case "桌面": name = "Desktop"
        Case "我的文档": name = "MyDocuments"
        Case "开始菜单": name = "StartMenu"
        Case "程序菜单": name = "Programs"
        Case "启动": name = "Startup"
        Case "收藏夹": name = "Favorites"
        Case "发送到": name = "SendTo"
        Case "模板": name = "Templates"
        Case Else: Exit Sub
    End Select
    target = InputBox("保存路径的变量名：", "特殊文件夹", "folderPath")
    If IsEmpty(target) Then Exit Sub
    If Not IsName(target) Then
        BadName target
        Exit Sub
    End If
    CBatCode.StringReturn target & " = CreateObject(""WScript.Shell"").SpecialFolders(""" & name & """)" & vbCrLf
End Sub

GenerateStatement
