' 生成显示当前错误号、说明和来源的语句。
CBatCode.StringReturn "If Err.Number <> 0 Then MsgBox ""错误号："" & Err.Number & vbCrLf & ""说明："" & Err.Description & vbCrLf & ""来源："" & Err.Source, vbCritical, ""错误""" & vbCrLf
