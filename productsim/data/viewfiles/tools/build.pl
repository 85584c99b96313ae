# Builds the web shop.
print "building\n";
