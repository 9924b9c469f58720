#include "dialogs/reference/help_collection.h"

#include <QDir>
#include <QFileInfo>

namespace velmar {

QString helpCollectionRelativePath(const QString& helpFileName)
{
    return QStringLiteral("share/velmar-converter/help/") + QFileInfo(helpFileName).completeBaseName()
        + QStringLiteral(".qhc");
}

QString helpCollectionPath(const QString& helpFileName, const QString& programFolder)
{
    const QString relativePath = helpCollectionRelativePath(helpFileName);

    // The program's own folder, its parent (installed: bin/ beside share/)
    // and one more level for programs built in nested build-tree folders.
    QDir folder(programFolder);
    for (int level = 0; level < 3; ++level) {
        const QString candidate = folder.filePath(relativePath);
        if (QFileInfo(candidate).isFile())
            return candidate;
        if (!folder.cdUp())
            break;
    }
    return {};
}

} // namespace velmar
