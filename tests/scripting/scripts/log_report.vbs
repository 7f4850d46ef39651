' 日志巡检脚本：在指定目录下建立示例日志，按级别统计、汇总错误、
' 归档旧日志，并生成一份报告。
' 用法：cscript log_report.vbs /root:<工作目录> [/keep:<保留天数>]
Option Explicit

Const ForReading = 1, ForWriting = 2, ForAppending = 8
Const LinePattern = "^(\d{4})-(\d{2})-(\d{2}) (\d{2}):(\d{2}):(\d{2}) (INFO|WARN|ERROR) (.*)$"

Dim fso, shell, args, root, keepDays
Set fso = CreateObject("Scripting.FileSystemObject")
Set shell = CreateObject("WScript.Shell")
Set args = WScript.Arguments

If args.Named.Exists("root") Then
    root = args.Named("root")
Else
    root = fso.BuildPath(shell.CurrentDirectory, "work")
End If
keepDays = 30
If args.Named.Exists("keep") Then keepDays = CInt(args.Named("keep"))

' ---- 统计对象 ----
Class LogStats
    Private counts, errors
    Public FirstSeen, LastSeen, LineCount

    Private Sub Class_Initialize()
        Set counts = CreateObject("Scripting.Dictionary")
        Set errors = CreateObject("Scripting.Dictionary")
        counts.Add "INFO", 0
        counts.Add "WARN", 0
        counts.Add "ERROR", 0
        LineCount = 0
    End Sub

    Public Sub Record(level, message, stamp)
        counts(level) = counts(level) + 1
        LineCount = LineCount + 1
        If level = "ERROR" Then
            If errors.Exists(message) Then
                errors(message) = errors(message) + 1
            Else
                errors.Add message, 1
            End If
        End If
        If IsEmpty(FirstSeen) Then FirstSeen = stamp
        If stamp < FirstSeen Then FirstSeen = stamp
        If IsEmpty(LastSeen) Or stamp > LastSeen Then LastSeen = stamp
    End Sub

    Public Property Get Count(level)
        Count = counts(level)
    End Property

    Public Function ErrorKeys()
        ErrorKeys = SortedKeys(errors)
    End Function

    Public Function ErrorCount(message)
        ErrorCount = errors(message)
    End Function
End Class

' ---- 小工具 ----
Function Pad2(n)
    Pad2 = Right("0" & n, 2)
End Function

Function IsoDate(d)
    IsoDate = Year(d) & "-" & Pad2(Month(d)) & "-" & Pad2(Day(d))
End Function

Function SortedKeys(dict)
    Dim keys, i, j, tmp
    keys = dict.Keys
    For i = 0 To UBound(keys) - 1
        For j = i + 1 To UBound(keys)
            If StrComp(keys(i), keys(j), vbTextCompare) > 0 Then
                tmp = keys(i) : keys(i) = keys(j) : keys(j) = tmp
            End If
        Next
    Next
    SortedKeys = keys
End Function

Sub EnsureFolder(path)
    If Not fso.FolderExists(path) Then
        EnsureFolder fso.GetParentFolderName(path)
        fso.CreateFolder path
    End If
End Sub

Sub WriteLog(path, lines)
    Dim ts, line
    Set ts = fso.CreateTextFile(path, True)
    For Each line In lines
        ts.WriteLine line
    Next
    ts.Close
End Sub

' ---- 1. 准备示例日志 ----
If fso.FolderExists(root) Then fso.DeleteFolder root, True
EnsureFolder root & "\logs\web"
EnsureFolder root & "\logs\db"
EnsureFolder root & "\archive"

WriteLog root & "\logs\web\access-20260103.log", Array( _
    "2026-01-03 08:00:01 INFO service started", _
    "2026-01-03 08:15:42 WARN slow response 2300 ms", _
    "2026-01-03 09:01:10 ERROR disk C: almost full", _
    "garbage line without a time stamp", _
    "2026-01-03 23:59:59 INFO service stopped")
WriteLog root & "\logs\web\access-20260105.log", Array( _
    "2026-01-05 07:30:00 INFO service started", _
    "2026-01-05 07:31:12 ERROR disk C: almost full", _
    "2026-01-05 11:11:11 ERROR connection refused by 10.0.0.7")
WriteLog root & "\logs\db\db-20251228.log", Array( _
    "2025-12-28 02:00:00 INFO backup started", _
    "2025-12-28 02:47:13 WARN backup took 47 minutes", _
    "2025-12-28 03:05:00 ERROR connection refused by 10.0.0.7")
WriteLog root & "\logs\db\notes.txt", Array("not a log file")

' ---- 2. 遍历目录并解析 ----
Dim stats, re, fileCount
Set stats = New LogStats
Set re = New RegExp
re.Pattern = LinePattern
re.IgnoreCase = False
fileCount = 0

Sub ScanFolder(folder)
    Dim f, sub1, ts, line, m, stamp
    For Each f In folder.Files
        If LCase(fso.GetExtensionName(f.Name)) = "log" Then
            fileCount = fileCount + 1
            Set ts = fso.OpenTextFile(f.Path, ForReading)
            Do Until ts.AtEndOfStream
                line = Trim(ts.ReadLine)
                If re.Test(line) Then
                    Set m = re.Execute(line)(0)
                    stamp = DateSerial(m.SubMatches(0), m.SubMatches(1), m.SubMatches(2)) + _
                            TimeSerial(m.SubMatches(3), m.SubMatches(4), m.SubMatches(5))
                    stats.Record m.SubMatches(6), m.SubMatches(7), stamp
                End If
            Loop
            ts.Close
        End If
    Next
    For Each sub1 In folder.SubFolders
        ScanFolder sub1
    Next
End Sub

ScanFolder fso.GetFolder(root & "\logs")

' ---- 3. 日期计算 ----
Dim spanDays, cutoff
spanDays = DateDiff("d", stats.FirstSeen, stats.LastSeen)
cutoff = DateAdd("d", -keepDays, DateSerial(2026, 1, 20))

' ---- 4. 归档早于保留期的日志（按文件名中的日期判断） ----
Dim logFile, nameDate, archived, stampText
archived = 0
For Each logFile In fso.GetFolder(root & "\logs\db").Files
    stampText = Mid(logFile.Name, InStrRev(logFile.Name, "-") + 1, 8)
    If IsNumeric(stampText) And Len(stampText) = 8 Then
        nameDate = DateSerial(Left(stampText, 4), Mid(stampText, 5, 2), Right(stampText, 2))
        If nameDate < cutoff Then
            fso.MoveFile logFile.Path, root & "\archive\"
            archived = archived + 1
        End If
    End If
Next
fso.CopyFile root & "\logs\web\*.log", root & "\archive\"

' ---- 5. 调用外部程序并读取输出 ----
Dim exec, sorted, sortedLines
Set exec = shell.Exec("sort """ & root & "\logs\web\access-20260105.log""")
sorted = exec.StdOut.ReadAll
Do While exec.Status = 0
    WScript.Sleep 20
Loop
sortedLines = Split(Trim(Replace(sorted, vbCr, "")), vbLf)

' ---- 6. 出错处理 ----
Dim missingError
On Error Resume Next
fso.OpenTextFile root & "\logs\missing.log", ForReading
missingError = Err.Number
Err.Clear
On Error GoTo 0

' ---- 7. 报告 ----
Dim report, reportPath, key, levels, level
reportPath = fso.BuildPath(root, "report.txt")
Set report = fso.OpenTextFile(reportPath, ForWriting, True)
report.WriteLine "日志巡检报告"
report.WriteLine String(12, "=")
report.WriteLine "日志文件: " & fileCount
report.WriteLine "有效行数: " & stats.LineCount
levels = Array("INFO", "WARN", "ERROR")
For Each level In levels
    report.WriteLine Left(level & Space(6), 6) & stats.Count(level)
Next
report.WriteLine "时间范围: " & IsoDate(stats.FirstSeen) & " 至 " & IsoDate(stats.LastSeen) & _
                 "（" & spanDays & " 天）"
report.WriteLine "最早记录是星期" & Mid("日一二三四五六", Weekday(stats.FirstSeen), 1)
report.WriteLine "错误汇总:"
For Each key In stats.ErrorKeys()
    report.WriteLine "  " & stats.ErrorCount(key) & " x " & key
Next
report.Close

Set report = fso.OpenTextFile(reportPath, ForAppending)
report.WriteLine "归档文件: " & archived & " 个，截止 " & IsoDate(cutoff)
report.WriteLine "排序首行: " & sortedLines(0)
report.WriteLine "缺失文件错误号: " & missingError
report.Close

' ---- 8. 输出 ----
Dim reader
Set reader = fso.OpenTextFile(reportPath, ForReading)
Do Until reader.AtEndOfStream
    WScript.Echo reader.ReadLine
Loop
reader.Close
WScript.Echo "归档目录: " & fso.GetFolder(root & "\archive").Files.Count & " 个文件"
WScript.Echo "sort 退出码: " & exec.ExitCode
WScript.Echo "用户已知: " & (Len(shell.ExpandEnvironmentStrings("%USERNAME%")) > 0)

WScript.Quit stats.Count("ERROR")
