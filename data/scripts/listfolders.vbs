' 生成遍历文件夹的代码：只看直接子文件夹，或递归进入每一层子文件夹。
Function Quoted(s)
    Quoted = """" & Replace(s, """", """""") & """"
End Function

Sub GenerateStatement()
    Dim path, code
    path = CBatCode.FolderDialog("要遍历哪个文件夹？")
    If path = "none" Then Exit Sub
    If path = "" Then
        MsgBox "没有选择文件夹。", vbExclamation
        Exit Sub
    End If
    Select Case CBatCode.OptionDLG("只遍历直接子文件夹,递归遍历所有层级", "遍历方式：")
        Case "只遍历直接子文件夹"
            code = "Set fso = CreateObject(""Scripting.FileSystemObject"")" & vbCrLf
            code = code & "For Each subFolder In fso.GetFolder(" & Quoted(path) & ").SubFolders" & vbCrLf
            code = code & "    ' subFolder.Name 是名称，subFolder.Path 是完整路径" & vbCrLf
            code = code & "Next" & vbCrLf
        Case "递归遍历所有层级"
            code = "Sub WalkFolder(folder)" & vbCrLf
            code = code & "    Dim subFolder" & vbCrLf
            code = code & "    ' 处理 folder（folder.Path 是完整路径）" & vbCrLf
            code = code & "    For Each subFolder In folder.SubFolders" & vbCrLf
            code = code & "        WalkFolder subFolder" & vbCrLf
            code = code & "    Next" & vbCrLf
            code = code & "End Sub" & vbCrLf & vbCrLf
            code = code & "Sub WalkFrom(path)" & vbCrLf
            code = code & "    WalkFolder CreateObject(""Scripting.FileSystemObject"").GetFolder(path)" & vbCrLf
            code = code & "End Sub" & vbCrLf
            code = code & "' 调用：WalkFrom " & Quoted(path) & vbCrLf
        Case Else: Exit Sub
    End Select
    CBatCode.StringReturn code
End Sub

GenerateStatement
