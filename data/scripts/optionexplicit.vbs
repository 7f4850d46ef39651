' 生成 Option Explicit：要求所有变量先声明后使用。它必须是脚本的第一条语句。
CBatCode.StringReturn "Option Explicit" & vbCrLf
