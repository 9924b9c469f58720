#include "tests/reference/help_test_support.h"

#include <QCoreApplication>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QTest>

#include "dialogs/reference/help_collection.h"
#include "dialogs/reference/help_topics.h"
#include "dialogs/reference/help_window.h"

namespace velmar {

QString builtHelpCollection()
{
    return helpCollectionPath(QLatin1String(HelpFileName), QCoreApplication::applicationDirPath());
}

bool waitUntilHelpLoaded(const HelpWindow& window)
{
    const QHelpContentModel* contents = window.engine().contentModel();
    const QHelpIndexModel* index = window.engine().indexModel();
    return QTest::qWaitFor([&] {
        return !contents->isCreatingContents() && contents->rowCount() > 0 && !index->isCreatingIndex()
            && index->rowCount() > 0;
    });
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString pageText(const HelpWindow& window, const QUrl& page)
{
    return QString::fromUtf8(window.engine().fileData(page));
}

} // namespace velmar
