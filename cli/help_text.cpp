#include "cli/help_text.h"

#include <string>

#include "packaging/product.h"

namespace velmar {

std::string_view HelpText()
{
    return R"(Usage: velmar-convert [OPTIONS] CATEGORY FROM TO VALUE
       velmar-convert --batch [--decimal-mark C] [--thousands-mark C]
       velmar-convert --list [CATEGORY]

Converts VALUE from unit FROM to unit TO of CATEGORY and prints the result
exactly as the converter window shows it, error texts included.

Categories and units are named by their display names (see --list). An exact
match wins; otherwise a unique match ignoring case is accepted (ASCII and
accented Latin letters: "réaumur" and "RÉAUMUR" find "Réaumur").
Fractions has no source unit: give FROM as "-" or as an empty argument.
VALUE is taken exactly as typed into the input box; a negative VALUE such as
-40 is fine as it is. Options may stand anywhere before "--"; put "--" before
a VALUE that itself starts with "--".

Options:
  --format FORM       how results are written: auto (default), scientific,
                      fixed, or commas (fixed with thousands marks)
  --precision N       significant digits (scientific) or decimals (fixed,
                      commas); default 4
  --decimal-mark C    the decimal mark written in results (default ".")
  --thousands-mark C  the thousands mark written in results (default ",")
  --list [CATEGORY]   list the categories, or the units of CATEGORY with
                      their positions
  --batch             convert the requests on standard input, one per line
  --help              show this help and exit
  --version           show the version and exit

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
  0  a result was printed (possibly empty); --batch: all input was converted
  1  the result is an error text or an arithmetic fault occurred;
     --batch: the input could not be read or the output not written
  2  usage error

Examples:
  velmar-convert Length foot inch 5
  velmar-convert --format fixed --precision 2 Temperature Celsius Fahrenheit 37
  velmar-convert Fractions - "mixed number" 2.25
  printf 'Numbers\tdecimal\thexadecimal\t255\n' | velmar-convert --batch
)";
}

std::string_view VersionText()
{
    static const std::string text = std::string("velmar-convert ") + ApplicationVersion + "\n";
    return text;
}

} // namespace velmar
