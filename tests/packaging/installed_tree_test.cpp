// The tree `cmake --install` leaves in a fresh prefix: every file where a
// Linux desktop looks for it, icons that are the window icon, entries that
// name the installed files, and a help collection the program finds from its
// installed folder.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include "dialogs/reference/help_collection.h"
#include "dialogs/reference/help_topics.h"
#include "widgets/application_icon.h"

using namespace velmar;

namespace {

const QDir InstallRoot(QStringLiteral(VELMAR_INSTALL_ROOT));
const QString ApplicationId = QStringLiteral(VELMAR_APPLICATION_ID);

QString installed(const QString& relativePath)
{
    return InstallRoot.filePath(relativePath);
}

QString fileText(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

TEST(InstalledTree, HoldsEveryExpectedFile)
{
    const QStringList expected
        = fileText(QStringLiteral(VELMAR_EXPECTED_FILES)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(expected.isEmpty());
    for (const QString& file : expected) {
        const QFileInfo info(installed(file));
        EXPECT_TRUE(info.isFile()) << file.toStdString();
        if (file.startsWith(QLatin1String("bin/"))) {
            EXPECT_TRUE(info.isExecutable()) << file.toStdString();
        }
    }
}

// The first capture of `pattern` in the installed file.
QString captured(const QString& file, const QString& pattern)
{
    const QRegularExpressionMatch match
        = QRegularExpression(pattern, QRegularExpression::MultilineOption).match(fileText(installed(file)));
    return match.captured(1);
}

TEST(InstalledTree, EntriesNameTheInstalledProgramIconAndEntry)
{
    const QString desktopEntry = QStringLiteral("share/applications/%1.desktop").arg(ApplicationId);
    const QString metainfo = QStringLiteral("share/metainfo/%1.metainfo.xml").arg(ApplicationId);
    const struct {
        QString File;
        QString Pattern;
        QString MustExist;
    } references[] = {
        {desktopEntry, QStringLiteral("^Exec=(\\S+)"), QStringLiteral("bin/%1")},
        {desktopEntry, QStringLiteral("^TryExec=(\\S+)"), QStringLiteral("bin/%1")},
        {desktopEntry, QStringLiteral("^Icon=(\\S+)"), QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg")},
        {metainfo, QStringLiteral("<launchable type=\"desktop-id\">([^<]+)<"), QStringLiteral("share/applications/%1")},
        {metainfo, QStringLiteral("<id>([^<]+)<"), QStringLiteral("share/metainfo/%1.metainfo.xml")},
        {metainfo, QStringLiteral("<binary>(velmar-converter)<"), QStringLiteral("bin/%1")},
        {metainfo, QStringLiteral("<binary>(velmar-convert)<"), QStringLiteral("bin/%1")},
    };
    for (const auto& reference : references) {
        const QString name = captured(reference.File, reference.Pattern);
        ASSERT_FALSE(name.isEmpty()) << reference.File.toStdString() << ": " << reference.Pattern.toStdString();
        EXPECT_TRUE(QFileInfo(installed(reference.MustExist.arg(name))).isFile())
            << reference.File.toStdString() << " names " << name.toStdString();
    }
}

TEST(InstalledTree, IconImagesAreTheWindowIconAtTheirFolderSize)
{
    for (const QString& size : QStringLiteral(VELMAR_ICON_SIZES).split(QLatin1Char(','))) {
        const QString file = QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size, ApplicationId);
        const QImage icon(installed(file));
        ASSERT_FALSE(icon.isNull()) << file.toStdString();
        EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32_Premultiplied), ApplicationIconImage(size.toInt()))
            << file.toStdString();
    }
}

// The largest difference of one premultiplied colour channel, alpha
// included, between two images of the same size.
int largestChannelDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

TEST(InstalledTree, ScalableIconDrawsLikeTheWindowIcon)
{
    const QString file = QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(ApplicationId);
    QSvgRenderer svg(installed(file));
    ASSERT_TRUE(svg.isValid()) << file.toStdString();
    for (const int size : {32, 256}) {
        QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        // Edges anti-aliased a little differently are fine; another shape
        // or colour is not.
        EXPECT_LE(largestChannelDifference(drawn, ApplicationIconImage(size)), 48) << "at " << size << " pixels";
    }
}

TEST(InstalledTree, InstalledProgramFindsItsOwnHelp)
{
    const QString collection = helpCollectionPath(QLatin1String(HelpFileName), installed(QStringLiteral("bin")));
    ASSERT_EQ(collection, installed(QStringLiteral("share/velmar-converter/help/TOLVANEX.qhc")));

    // The collection must lead to the installed manual, not to the build tree.
    QHelpEngineCore engine(collection);
    engine.setReadOnly(true);
    ASSERT_TRUE(engine.setupData()) << engine.error().toStdString();
    const QStringList manuals = engine.registeredDocumentations();
    ASSERT_EQ(manuals.size(), 1);
    EXPECT_EQ(QFileInfo(engine.documentationFileName(manuals.first())).canonicalFilePath(),
              QFileInfo(installed(QStringLiteral("share/velmar-converter/help/TOLVANEX.qch"))).canonicalFilePath());
}

} // namespace
