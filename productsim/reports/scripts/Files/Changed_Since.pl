# Files of the chosen view folders changed since a date and time.
use strict;
use warnings;
use FindBin;
use lib "$FindBin::Bin/../../script_tools";
use File::Find;
use Time::Local qw(timelocal);
use KorvastSim qw(report_arguments paths_of unix_path windows_path kvtime print_header);

if (@ARGV && $ARGV[0] eq '-i') {
    print_header(
        description => '"Files changed since"',
        id => 102,
        parameters => '[LOOKIN KVTIME]',
        rightclick => 'Save_Selection(single, multiple)',
        fields => '"File"(gpath, rightclick) "Changed"(time_t, sort 1) "Changed at"(kvtime) "Bytes"(Integer, initial_width 10) "Path"(string, hidden)',
    );
    exit 0;
}

my %month = (jan => 0, feb => 1, mar => 2, apr => 3, may => 4, jun => 5,
             jul => 6, aug => 7, sep => 8, oct => 9, nov => 10, dec => 11);

# "07-Dec-26.23:30" (seconds optional); an unreadable text means "any time".
sub since {
    my ($text) = @_;
    return 0 unless defined $text
        && $text =~ /^\s*(\d+)-(\w{3})-(\d+)[.:](\d+):(\d+)/ && exists $month{lc $2};
    my $year = $3 < 100 ? ($3 < 90 ? 2000 + $3 : 1900 + $3) : $3;
    return timelocal(0, $5, $4, $1, $month{lc $2}, $year);
}

my %arguments = report_arguments(@ARGV);
my $since = since($arguments{KVTIME});
my @folders = paths_of($arguments{LOOKIN});
die "Choose the folders to report on.\n" unless @folders;

for my $folder (@folders) {
    find({ no_chdir => 1, wanted => sub {
        return unless -f $_;
        my @status = stat(_);
        return if $status[9] < $since;
        my $path = windows_path($_);
        print join(';', $path, $status[9], kvtime($status[9]), $status[7], $path), "\n";
    } }, unix_path($folder));
}
