' 生成取得当前脚本所在文件夹的语句，常用于访问脚本旁边的文件。
CBatCode.StringReturn "scriptFolder = CreateObject(""Scripting.FileSystemObject"").GetParentFolderName(WScript.ScriptFullName)" & vbCrLf
