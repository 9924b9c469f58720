#include "cli/help_text.h"

#include <string>

#include "packaging/product.h"

namespace velmar {

std::string_view HelpText()
{
    return R"help(Usage: velmar-convert [OPTIONS] CATEGORY FROM TO VALUE
       velmar-convert [OPTIONS] VALUE FROM [to] TO
       velmar-convert [OPTIONS]          (on a terminal: one conversion a line)
       velmar-convert --batch [--decimal-mark C] [--thousands-mark C]
       velmar-convert --list [CATEGORY]

Converts VALUE from unit FROM to unit TO of CATEGORY and prints the result
exactly as the converter window shows it, error texts included.

A query names its units in the order people say them: "60 mph to km/h",
"60 mph km/h", "72 F in C", "1 atm -> mmHg", as separate arguments or as one.
Units take their display names (see --list) or common symbols, plurals,
British and ASCII spellings (ft, feet, metre, m2, sq ft, degC, mmHg). The
category is the one in which every unit has that name; --category settles it
where several do. Parts add up in linear categories: "5 ft 10 in to cm".
Numbers without a base are decimal ("1994 to roman", "0x1F to decimal").
In CATEGORY FROM TO VALUE and in batch lines, categories take their display
names; units take those names too, or the positions --list CATEGORY shows.
An exact match wins; otherwise a unique match ignoring case is accepted
(ASCII and accented Latin letters: "réaumur" and "RÉAUMUR" find "Réaumur").
An unknown name is refused with the nearest names offered.
Fractions has no source unit: give FROM as "-" or as an empty argument.
VALUE is upper-cased as the input box does ("mcmxciv" reads as "MCMXCIV"); a
negative VALUE such as -40 is fine as it is. Results are written with "." and
"," whatever the locale, unless --decimal-mark and --thousands-mark say else.
Options may stand anywhere before "--"; put "--" before
a VALUE that itself starts with "--".

Without a query, on a terminal, velmar-convert reads one conversion a line,
in either form, and answers each as it would its arguments; the options given
apply to every line. Words are split as a shell splits them, so quote a name
with spaces: Length "nautical mile" foot 3. "help" shows the forms; "quit",
"exit" or Ctrl+D ends the session; Ctrl+C discards the line being typed. Up
and Down recall the lines kept in $XDG_STATE_HOME/velmar-convert/history
(~/.local/state/velmar-convert/history). Without a terminal on standard
input, no query is a usage error.

Options:
  --format FORM       how results are written: auto (default), scientific,
                      fixed, or commas (fixed with thousands marks)
  --precision N       significant digits (scientific) or decimals (fixed,
                      commas), 0 to 18; default 4
  --category NAME     the category of a query, where its units' names fit
                      several
  --explain, -v       print the query as understood: "60 mile/hour =
                      96.56064 kilometer/hour (Speed)"
  --json              print the answer as one JSON object with the category,
                      units, input, result and error (null where none);
                      with --batch, one object per request line
  --decimal-mark C    the decimal mark written in results (default ".")
  --thousands-mark C  the thousands mark written in results (default ",")
  --list [CATEGORY]   list the categories, or the units of CATEGORY with
                      their positions
  --batch             convert the requests on standard input, one per line
  --help, -h          show this help and exit
  --version, -V       show the version and exit

Batch requests are UTF-8 lines of tab-separated fields:
  CATEGORY <TAB> FROM <TAB> TO <TAB> INPUT [<TAB> VIEWTYPE [<TAB> PRECISION]]
An empty FROM or TO means no unit selected; Fractions ignore FROM. VIEWTYPE is
1 auto, 2 scientific, 3 fixed or 4 commas (any other integer counts as 1);
PRECISION defaults to 4; an empty optional field takes its default. Every
request line gives exactly one output line: the result text (possibly empty),
or "error: " and a message for a malformed line, an unknown name or an
arithmetic fault ("error: Floating point overflow."). Lines end in LF or CRLF;
a last line without a line end is converted as well.

Exit status:
  0  a result was printed (possibly empty); --batch: all input was converted;
     an interactive session ended
  1  the result is an error text or an arithmetic fault occurred;
     --batch: the input could not be read or the output not written;
     interactive: an answer could not be written
  2  usage error

Examples:
  velmar-convert 60 mph to km/h
  velmar-convert "5 ft 10 in to cm"
  velmar-convert Length foot inch 5
  velmar-convert --format fixed --precision 2 Temperature Celsius Fahrenheit 37
  velmar-convert Fractions - "mixed number" 2.25
  printf 'Numbers\tdecimal\thexadecimal\t255\n' | velmar-convert --batch
)help";
}

std::string_view VersionText()
{
    static const std::string text = std::string("velmar-convert ") + ApplicationVersion + "\n";
    return text;
}

} // namespace velmar
