// The activities of a stream, read through the product's automation library.
var args = [];
for (var i = 0; i < WScript.Arguments.length; i++)
    args.push(WScript.Arguments(i));

if (args.length > 0 && args[0] == "-i") {
    WScript.Echo("description: \"Activities of a stream\"");
    WScript.Echo("id: 202");
    WScript.Echo("parameters: STREAM");
    WScript.Echo("fields: \"Activity\"(activity_objsel, rightclick) \"Title\"(string, sort 1) \"Stream\"(stream)");
    WScript.Quit(0);
}

// The builder passes the chooser's target in quotes of its own: STREAM=""stream:...@\olpex"";
var match = /STREAM="(.*?)";/.exec(args.join(" "));
if (!match)
    WScript.Quit(2);
var selector = match[1].replace(/"/g, "");
var olpex = selector.substring(selector.indexOf("@\\") + 2);
var app = new ActiveXObject("Korvast.Application");
var stream = app.GetStream(selector);
var activities = stream.Activities;
for (var n = 1; n <= activities.Count; n++) {
    var activity = activities.Item(n);
    var title = activity.DisplayText == "" ? activity.Name : activity.DisplayText;
    WScript.Echo("activity:" + activity.Name + "@\\" + olpex + ";" + title + ";" + stream.Name);
}
