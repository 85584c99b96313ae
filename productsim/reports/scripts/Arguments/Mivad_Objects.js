// The Mivad object arguments this report receives, as rows.
var args = [];
for (var i = 0; i < WScript.Arguments.length; i++)
    args.push(WScript.Arguments(i));

if (args.length > 0 && args[0] == "-i") {
    WScript.Echo("description: \"Mivad object arguments\"");
    WScript.Echo("id: 402");
    WScript.Echo("parameters: PROJECT PROJECTS STREAM STREAMS ISTREAM ISTREAMS ACTIVITY ACTIVITIES");
    WScript.Echo("fields: \"Parameter\"(string) \"Value\"(string)");
    WScript.Quit(0);
}

var argument = /(\w+)="(.*?)";/g;
var text = args.join(" ");
var match;
while ((match = argument.exec(text)) != null) {
    // A ';' would end the field, so a value shows it as ','.
    WScript.Echo(match[1] + ";" + match[2].replace(/;/g, ","));
}
