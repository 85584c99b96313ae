# The repositories the product's registry lists; the report takes no parameters.
use strict;
use warnings;
use FindBin;
use lib "$FindBin::Bin/../../script_tools";
use KorvastSim qw(product_data print_header);

if (@ARGV && $ARGV[0] eq '-i') {
    print_header(
        description => '"Repositories"',
        id => 302,
        fields => '"Repository"(string, sort 1) "Kinds"(string)',
    );
    exit 0;
}

for my $record (grep { $_->{word} eq 'olpex' } product_data()) {
    print "$record->{name};$record->{values}{kinds}\n";
}
