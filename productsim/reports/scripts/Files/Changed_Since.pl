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

# The builder's "7-December-2026.14:05" or "7-December-2026" (midnight), or
# the product's "07-Dec-26.23:30:15": a month by its first three letters, a
# year of two or four digits, the time optional. No text means any time.
sub since {
    my ($text) = @_;
    return 0 unless defined $text && $text =~ /\S/;
    my $time = local_time_of($text);
    die "Cannot read the date \"$text\": write it as 7-December-2026.14:05 or 7-December-2026.\n"
        unless defined $time;
    return $time;
}

# The seconds of the local time a date text names, or undef.
sub local_time_of {
    my ($text) = @_;
    my ($day, $name, $year, $hour, $minute) =
        $text =~ /^\s*(\d{1,2})-([a-z]{3,})-(\d{4}|\d{2})(?:[.:](\d{1,2}):(\d{2})(?::\d{2})?)?\s*$/i or return;
    my $month = $month{lc substr($name, 0, 3)};
    return unless defined $month;
    $year += $year < 90 ? 2000 : 1900 if $year < 100;
    return eval { timelocal(0, $minute // 0, $hour // 0, $day, $month, $year) };
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
