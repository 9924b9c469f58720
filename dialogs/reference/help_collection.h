#pragma once

#include <QString>

namespace velmar {

// The help collection a help file name resolves to: "<base name>.qhc" in
// share/velmar-converter/help, looked up from the program's folder upwards so
// that it is found both when installed (bin/../share/...) and in the build
// tree. Empty when there is none.
QString helpCollectionPath(const QString& helpFileName, const QString& programFolder);

// Where below the installation folder the collection for a help file name is
// looked for: "share/velmar-converter/help/<base name>.qhc".
QString helpCollectionRelativePath(const QString& helpFileName);

} // namespace velmar
