# Helpers of the sample reports: their arguments, the paths of this Wine
# prefix, the product's data file and the product's date-time form.
package KorvastSim;
use strict;
use warnings;
use Exporter 'import';
use File::Basename qw(dirname);
use File::Spec;
use POSIX qw(strftime);

our @EXPORT_OK = qw(report_arguments report_arguments_in_order paths_of unix_path windows_path product_data kvtime print_header);

my $tools_folder = dirname(File::Spec->rel2abs(__FILE__));

# The argument text "NAME=\"value\"; ..." arrives with every blank turned
# into '%'; this gives [NAME, value] for every argument in the order received.
sub report_arguments_in_order {
    my $text = join(' ', @_);
    $text =~ tr/%/ /;
    my @arguments;
    while ($text =~ /(\w+)="(.*?)";/g) {
        push @arguments, [$1, $2];
    }
    return @arguments;
}

# NAME => value; a name given twice has its last value.
sub report_arguments {
    return map { @$_ } report_arguments_in_order(@_);
}

# The paths of a value: its quoted parts, or the whole value.
sub paths_of {
    my ($value) = @_;
    return () unless defined $value && $value =~ /\S/;
    my @quoted = $value =~ /"([^"]+)"/g;
    return @quoted ? @quoted : ($value =~ s/^\s+|\s+$//gr);
}

sub drives {
    my %drives;
    for my $pair (split /;/, $ENV{KVPERL_DRIVES} // '') {
        my ($letter, $folder) = split /=/, $pair, 2;
        $drives{uc $letter} = $folder if defined $folder;
    }
    return %drives;
}

# A path of the prefix ("C:\views\a") as the host sees it.
sub unix_path {
    my ($path) = @_;
    my %drives = drives();
    if ($path =~ /^([A-Za-z]):(.*)$/ && exists $drives{uc $1}) {
        my $rest = $2;
        $rest =~ tr{\\}{/};
        return $drives{uc $1} . $rest;
    }
    return $path =~ tr{\\}{/}r;
}

# A host path as the prefix sees it, by the drive whose folder holds it.
sub windows_path {
    my ($path) = @_;
    my %drives = drives();
    my ($best, $letter) = ('', '');
    for my $drive (sort keys %drives) {
        my $folder = $drives{$drive};
        if (index($path, $folder) == 0 && length($folder) > length($best)
            && (length($path) == length($folder) || substr($path, length($folder), 1) eq '/' || $folder eq '/')) {
            ($best, $letter) = ($folder, $drive);
        }
    }
    return $path unless $letter;
    my $rest = substr($path, $best eq '/' ? 0 : length($best));
    $rest =~ tr{/}{\\};
    return "$letter:$rest";
}

# The records of the product's data file (bin\simdata.txt of the product),
# each { word, name, values => { key => value }, flags => { flag => 1 } }.
sub product_data {
    my $file = defined $ENV{KORVAST_SIM_DATA} ? unix_path($ENV{KORVAST_SIM_DATA})
             : "$tools_folder/../../bin/simdata.txt";
    open(my $in, '<', $file) or return ();
    my @records;
    while (my $line = <$in>) {
        $line =~ s/\r?\n$//;
        next if $line =~ /^\s*(#|$)/;
        my @tokens;
        while ($line =~ /\G\s*((?:"[^"]*"|[^\s"])+)/gc) {
            push @tokens, $1 =~ s/"//gr;
        }
        my $word = shift @tokens;
        my $name = ($word =~ /^(application|tool|registry|product)$/) ? '' : shift @tokens;
        my (%values, %flags);
        for my $token (@tokens) {
            if ($token =~ /^(\w+)=(.*)$/) { $values{$1} = $2 } else { $flags{$token} = 1 }
        }
        push @records, { word => $word, name => $name // '', values => \%values, flags => \%flags };
    }
    close $in;
    return @records;
}

my @months = qw(Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec);

# The product's date-time form: 07-Dec-26.23:30:15.
sub kvtime {
    my @t = localtime(shift);
    return sprintf('%02d-%s-%02d.%02d:%02d:%02d', $t[3], $months[$t[4]], $t[5] % 100, $t[2], $t[1], $t[0]);
}

# The self-description a report prints for "-i".
sub print_header {
    my (%header) = @_;
    for my $key (qw(description id helpfile parameters rightclick fields)) {
        print "$key: $header{$key}\n" if defined $header{$key};
    }
}

1;
