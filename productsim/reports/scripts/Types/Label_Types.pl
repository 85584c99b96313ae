# The label types of the repositories that hold the chosen view folders.
use strict;
use warnings;
use FindBin;
use lib "$FindBin::Bin/../../script_tools";
use KorvastSim qw(report_arguments paths_of product_data print_header);

if (@ARGV && $ARGV[0] eq '-i') {
    print_header(
        description => '"Label types"',
        id => 301,
        parameters => 'LOOKIN LABEL',
        fields => '"Repository"(string, sort 1) "Label type"(label, rightclick, sort 2) "Chosen"(Yes_no)',
    );
    exit 0;
}

my %arguments = report_arguments(@ARGV);
my $chosen = $arguments{LABEL} // '';
my @records = product_data();
my @views = map { $_->{name} } grep { $_->{word} eq 'view' } @records;

# The repository of a path is the first folder below its view's root.
my %repositories;
for my $path (paths_of($arguments{LOOKIN})) {
    my ($root) = sort { length($b) <=> length($a) } grep { index(lc $path, lc $_) == 0 } @views;
    next unless defined $root;
    my ($tag) = substr($path, length $root) =~ /^\\?([^\\]+)/;
    $repositories{$tag} = 1 if defined $tag;
}
for my $type (grep { $_->{word} eq 'labeltype' && $repositories{$_->{values}{olpex}} } @records) {
    print join(';', "\\$type->{values}{olpex}", $type->{name}, $type->{name} eq $chosen ? 'yes' : 'no'), "\n";
}
