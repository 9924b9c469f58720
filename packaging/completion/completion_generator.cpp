// Writes one shell's completion file for velmar-convert, from the unit
// catalogue, the alias table and the option table.
// Usage: velmar_completion_generator bash|zsh|fish FILE

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string_view>

#include "packaging/completion/completion_scripts.h"

int main(int argc, char* argv[])
{
    using namespace velmar;
    const std::string_view shell = argc == 3 ? argv[1] : "";
    std::string (*script)(const CompletionWords&) = nullptr;
    if (shell == "bash")
        script = BashCompletionScript;
    else if (shell == "zsh")
        script = ZshCompletionScript;
    else if (shell == "fish")
        script = FishCompletionScript;
    if (!script) {
        std::cerr << "usage: velmar_completion_generator bash|zsh|fish FILE\n";
        return 2;
    }

    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << script(GatherCompletionWords());
    file.close();
    if (!file) {
        std::cerr << "velmar_completion_generator: cannot write " << argv[2] << ": " << std::strerror(errno)
                  << "; check that its folder exists and is writable\n";
        return 1;
    }
    return 0;
}
