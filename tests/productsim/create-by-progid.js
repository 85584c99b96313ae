// A user's script on the prefix: creates an object of each ProgID given and
// prints a line for each: "<ProgID>: created", or the error.
//   cscript //nologo create-by-progid.js <ProgID>...
for (var i = 0; i < WScript.Arguments.length; i++) {
    var progId = WScript.Arguments(i);
    var result = "created";
    try {
        new ActiveXObject(progId);
    } catch (error) {
        result = error.message;
    }
    WScript.Echo(progId + ": " + result);
}
