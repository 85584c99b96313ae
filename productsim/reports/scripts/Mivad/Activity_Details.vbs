' What the product knows of one activity, read through its automation library.
Dim args, i, text
text = ""
For i = 0 To WScript.Arguments.Count - 1
    text = text & WScript.Arguments(i) & " "
Next

If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "-i" Then
        WScript.Echo "description: ""Activity details"""
        WScript.Echo "id: 203"
        WScript.Echo "parameters: ACTIVITY"
        WScript.Echo "fields: ""Property""(string) ""Value""(string)"
        WScript.Quit 0
    End If
End If

Dim start, finish, selector
start = InStr(text, "ACTIVITY=""")
If start = 0 Then WScript.Quit 2
start = start + Len("ACTIVITY=""")
finish = InStr(start, text, """;")
If finish = 0 Then WScript.Quit 2
' The builder passes the chooser's target in quotes of its own.
selector = Replace(Mid(text, start, finish - start), """", "")

Dim app, activity, stream, project
Set app = CreateObject("Korvast.Application")
Set activity = app.GetActivity(selector)
Set stream = activity.Parent
Set project = app.GetStream("stream:" & stream.Name & Mid(selector, InStr(selector, "@\"))).Project
WScript.Echo "Name;" & activity.Name
WScript.Echo "Title;" & activity.DisplayText
WScript.Echo "Stream;" & stream.Name
WScript.Echo "Project;" & project.Name
WScript.Echo "Repository;" & Mid(selector, InStr(selector, "@\") + 1)
