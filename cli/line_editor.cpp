#include "cli/line_editor.h"

#include "cli/output.h"

namespace velmar {

std::unique_ptr<LineEditor> OpenLineEditor(std::FILE* screen, std::string prompt)
{
#if VELMAR_LINE_EDITING
    if (std::unique_ptr<LineEditor> editor = OpenEditingLineEditor(screen, prompt))
        return editor;
    WriteToStandardError(ProgramMessage("libedit (libedit.so.2) cannot be loaded, so lines cannot be edited or "
                                        "recalled; install the libedit2 package to have both"));
#endif
    return OpenPlainLineEditor(screen, std::move(prompt));
}

} // namespace velmar
