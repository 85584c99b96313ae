// The text and time arguments this report receives, as rows.
var args = [];
for (var i = 0; i < WScript.Arguments.length; i++)
    args.push(WScript.Arguments(i));

if (args.length > 0 && args[0] == "-i") {
    WScript.Echo("description: \"Text arguments (JScript)\"");
    WScript.Echo("id: 406");
    WScript.Echo("parameters: STRING KVTIME");
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
