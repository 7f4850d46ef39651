' 生成 Class 类定义：可选初始化和终止事件、带读写属性的私有字段和一个方法。
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
    Dim name, parts, field, code
    name = InputBox("类名：", "定义类", "Person")
    If IsEmpty(name) Then Exit Sub
    If Not IsName(name) Then
        BadName name
        Exit Sub
    End If
    parts = "|" & CBatCode.CheckDLG("init|初始化事件（Class_Initialize）,term|终止事件（Class_Terminate）,prop|一个带 Get/Let 的属性,method|一个公共方法", "类里要包含哪些部分？") & "|"
    code = "Class " & name & vbCrLf
    If InStr(parts, "|prop|") > 0 Then
        field = InputBox("属性名：", "定义类", "Name")
        If IsEmpty(field) Then Exit Sub
        If Not IsName(field) Then
            BadName field
            Exit Sub
        End If
        code = code & "    Private m_" & field & vbCrLf & vbCrLf
    End If
    If InStr(parts, "|init|") > 0 Then
        code = code & "    Private Sub Class_Initialize()" & vbCrLf & "        ' 创建对象时执行" & vbCrLf & "    End Sub" & vbCrLf & vbCrLf
    End If
    If InStr(parts, "|term|") > 0 Then
        code = code & "    Private Sub Class_Terminate()" & vbCrLf & "        ' 对象释放时执行" & vbCrLf & "    End Sub" & vbCrLf & vbCrLf
    End If
    If InStr(parts, "|prop|") > 0 Then
        code = code & "    Public Property Get " & field & "()" & vbCrLf
        code = code & "        " & field & " = m_" & field & vbCrLf
        code = code & "    End Property" & vbCrLf & vbCrLf
        code = code & "    Public Property Let " & field & "(value)" & vbCrLf
        code = code & "        m_" & field & " = value" & vbCrLf
        code = code & "    End Property" & vbCrLf & vbCrLf
    End If
    If InStr(parts, "|method|") > 0 Then
        code = code & "    Public Sub Show()" & vbCrLf & "        ' 方法体" & vbCrLf & "    End Sub" & vbCrLf
    End If
    CBatCode.StringReturn code & "End Class" & vbCrLf
End Sub

GenerateStatement
