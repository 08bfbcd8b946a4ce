#!/usr/bin/perl
# Makes the named table of the "util_libs" catalogue from its English source, so that a message's
# number and built-in text are written in one place: the catalogue itself.
#   genmsgtable.pl util_libs.msg cvMsgIds.h cvMsgTable.c
# Each message of set 3 must follow a comment line "$ [NAME] where it is used".
use strict;
use warnings;

my ($src, $header, $table) = @ARGV;
die "usage: genmsgtable.pl SOURCE HEADER TABLE\n" unless defined $table;

open(my $in, '<', $src) or die "$src: $!\n";
my (@msgs, %byName, %byNumber, $name, $set);
while (my $line = <$in>) {
    chomp $line;
    if ($line =~ /^\$set\s+(\d+)/) {
        $set = $1;
    } elsif ($line =~ /^\$ \[([A-Z][A-Z0-9_]*)\]/) {
        $name = $1;
    } elsif ($line =~ /^(\d+) "(.*)"$/) {
        my ($number, $text) = ($1, $2);
        die "$src:$.: message $number is outside set 3\n" unless defined $set && $set == 3;
        die "$src:$.: message $number has no [NAME] comment above it\n" unless defined $name;
        die "$src:$.: name $name is used twice\n" if $byName{$name}++;
        die "$src:$.: number $number is used twice\n" if $byNumber{$number}++;
        push @msgs, [$name, $number, $text];
        undef $name;
    } elsif ($line =~ /^\d/) {
        die "$src:$.: a message must be one quoted line\n";
    }
}
close $in;

sub writeFile {
    my ($path, $body) = @_;
    # Rewritten only when it changes, so the build does not recompile everything.
    if (open(my $old, '<', $path)) {
        local $/;
        my $was = <$old>;
        close $old;
        return if $was eq $body;
    }
    open(my $out, '>', $path) or die "$path: $!\n";
    print $out $body;
    close $out or die "$path: $!\n";
}

my $h = "/* Made from util_libs.msg by genmsgtable.pl: the catalogue's messages by name. */\n"
      . "#ifndef CVMSGIDS_H\n#define CVMSGIDS_H\n\n#include \"utilLibsMsg.h\"\n\n"
      . "#ifdef __cplusplus\nextern \"C\" {\n#endif\n\nenum CvMsgId {\n";
$h .= "    CVMSG_$_->[0] = $_->[1],\n" for @msgs;
$h .= "};\n\n";
$h .= "/* Every message, for callers that walk the catalogue: X(name, number, built-in text). */\n";
$h .= "#define CVMSG_EACH(X) \\\n";
$h .= join(" \\\n", map { "    X(CVMSG_$_->[0], $_->[1], \"$_->[2]\")" } @msgs) . "\n\n";
$h .= <<'EOF';
/* The built-in English text of a message number, or NULL when the catalogue has no such number. */
const char *cvMsgDefault(int number);

/* The catalogue's text of a message (set 3), or its built-in text. Valid for the process. */
const char *cvMsg(enum CvMsgId id);

#ifdef __cplusplus
}
#endif

#endif
EOF

my $c = "/* Made from util_libs.msg by genmsgtable.pl. */\n#include \"cvMsgIds.h\"\n\n"
      . "#include <stddef.h>\n\nstatic const struct { int number; const char *text; } table[] = {\n";
$c .= "    {$_->[1], \"$_->[2]\"},\n" for @msgs;
$c .= <<'EOF';
};

const char *cvMsgDefault(int number)
{
    /* genmsgtable.pl checked that the numbers ascend. */
    size_t lo = 0, hi = sizeof table / sizeof table[0];
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (table[mid].number == number)
            return table[mid].text;
        if (table[mid].number < number)
            lo = mid + 1;
        else
            hi = mid;
    }
    return NULL;
}

const char *cvMsg(enum CvMsgId id)
{
    return _util_libsMsg(3, (int)id, cvMsgDefault((int)id));
}
EOF
# The binary search needs ascending numbers; say so at build time, not at run time.
for my $i (1 .. $#msgs) {
    die "$src: message $msgs[$i][1] follows $msgs[$i-1][1]: numbers must ascend\n"
        unless $msgs[$i][1] > $msgs[$i-1][1];
}
writeFile($header, $h);
writeFile($table, $c);
