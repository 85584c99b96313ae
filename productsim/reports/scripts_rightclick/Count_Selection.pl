# Right-click script: writes how many rows were selected to
# "selection_count.txt" of the reports folder.
use strict;
use warnings;
use FindBin;

my @values = <STDIN>;
open(my $out, '>', "$FindBin::Bin/../selection_count.txt") or die "Cannot write selection_count.txt: $!\n";
print $out scalar(@values), "\r\n";
close $out;
