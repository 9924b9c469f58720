#include "dialogs/about_dialog.h"

#include <QDate>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

#include "catalogue/unit_catalogue.h"
#include "dialogs/about_emblem.h"
#include "dialogs/dialog_look.h"
#include "packaging/product.h"
#include "widgets/readable_colour.h"
#include "widgets/window_modal.h"

namespace velmar {
namespace {

// The design's purple, as far as the window's background lets it be read.
QColor ContactColour(const QPalette& colours)
{
    return ReadableOn(QColor(0x80, 0x00, 0x80), colours.color(QPalette::Window), colours.color(QPalette::WindowText));
}

QFont TitleFont()
{
    QFont font = FontByPixels(QStringLiteral("Times New Roman"), 29, QFont::Serif);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

// "Version 1.73 - Mar 8, 1997": the month in English whatever the locale,
// as the box's other lines are.
QString VersionLine()
{
    const QDate released = QDate::fromString(QLatin1String(ReleaseDate), Qt::ISODate);
    return Tfrm_About::tr("Version %1 - %2")
        .arg(QLatin1String(ApplicationVersion), QLocale::c().toString(released, QStringLiteral("MMM d, yyyy")));
}

// Substituted faces may run wider than the design's; the title then shrinks
// until it fits its place.
QFont ShrunkToFit(QFont font, const QString& text, int width)
{
    constexpr int SmallestPixels = 8;
    while (font.pixelSize() > SmallestPixels && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// A caption and its value side by side at their design places, unless a
// wider substituted face needs more room: the value then follows the caption
// directly and the pair moves left to stay within `rightLimit`.
void PlaceCaptionAndValue(QLabel& caption, QLabel& value, int captionLeft, int valueLeft, int rightLimit)
{
    caption.adjustSize();
    value.adjustSize();
    valueLeft = std::max(valueLeft, captionLeft + caption.width());
    const int overflow = std::max(0, valueLeft + value.width() - rightLimit);
    caption.move(captionLeft - overflow, caption.y());
    value.move(valueLeft - overflow, value.y());
}

// An invalid colour keeps the palette's text colour.
QLabel* MakeLine(QWidget* parent, const QString& objectName, const QString& text, QRect geometry, const QFont& font,
                 const QColor& colour, Qt::Alignment alignment)
{
    auto* line = new QLabel(text, parent);
    line->setObjectName(objectName);
    line->setGeometry(geometry);
    line->setFont(font);
    line->setAlignment(alignment | Qt::AlignVCenter);
    if (colour.isValid()) {
        QPalette colours = line->palette();
        colours.setColor(QPalette::WindowText, colour);
        line->setPalette(colours);
    }
    return line;
}

// One of the centred lines of the right-hand column.
QLabel* MakeColumnLine(QWidget* parent, const QString& objectName, const QString& text, int top,
                       const QFont& font = DialogControlFont(), const QColor& colour = QColor())
{
    return MakeLine(parent, objectName, text, QRect(248, top, 217, 16), font, colour, Qt::AlignHCenter);
}

QLabel* MakeContactLine(QWidget* parent, const QString& objectName, const QString& kind, const QString& text, int top,
                        const QFont& font)
{
    QLabel* line = MakeColumnLine(parent, objectName, text, top, font, ContactColour(parent->palette()));
    line->setToolTip(kind + text);
    return line;
}

} // namespace

Tfrm_About::Tfrm_About(QWidget* owner, int totalUnits)
    : QDialog(owner)
{
    MakeFixedDialog(*this, tr("About"), QSize(474, 227));
    setFont(FontByPixels(QStringLiteral("Arial"), 13, QFont::SansSerif));

    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 227, 177);
    auto* emblem = new AboutEmblem(Panel1);
    emblem->setGeometry(Panel1->contentsRect());

    // The title twice: a light copy a pixel down and right under the real
    // one gives it a raised look.
    const QString title = QString::fromUtf8(ApplicationTitle);
    const QFont titleFont = ShrunkToFit(TitleFont(), title, 210);
    MakeLine(this, QStringLiteral("lab_TitleShadow"), title, QRect(253, 9, 210, 33), titleFont,
             palette().color(QPalette::Light), Qt::AlignHCenter);
    MakeLine(this, QStringLiteral("lab_Title"), title, QRect(252, 8, 210, 33), titleFont, QColor(), Qt::AlignHCenter);

    MakeColumnLine(this, QStringLiteral("lab_Version"), VersionLine(), 48);
    MakeColumnLine(this, QStringLiteral("lab_Copyright"), tr("Copyright \u00a9 1997 Velmar Software"), 64);
    auto* Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(248, 93, 217, 2);
    MakeColumnLine(this, QStringLiteral("lab_Credit1"), tr("Programming by Velmar Software"), 112);
    MakeColumnLine(this, QStringLiteral("lab_Credit2"), tr("Unit tables checked by Velmar QA"), 128);
    MakeContactLine(this, QStringLiteral("lab_Email"), tr("e-mail: "), QStringLiteral("support@velmar.example.com"),
                    152, DialogControlFont());
    MakeContactLine(this, QStringLiteral("lab_Web"), tr("world-wide-web: "), QStringLiteral("www.velmar.example.com"),
                    168, FontByPixels(QStringLiteral("Small Fonts"), 9, QFont::SansSerif));

    QPushButton* OKButton = MakeOkButton(*this, QRect(191, 194, 90, 27));
    QFont boldFont = font();
    boldFont.setBold(true);
    const auto makeBottomLine = [&](const QString& objectName, const QString& line, const QFont& lineFont) {
        return MakeLine(this, objectName, line, QRect(0, 200, 0, 16), lineFont, QColor(), Qt::AlignLeft);
    };
    PlaceCaptionAndValue(*makeBottomLine(QStringLiteral("lab_UnitsCaption"), tr("Total Units Supported: "), font()),
                         *makeBottomLine(QStringLiteral("lab_UnitCount"), QString::number(totalUnits), boldFont), 8,
                         120, OKButton->x() - 4);
    PlaceCaptionAndValue(*makeBottomLine(QStringLiteral("lab_PlatformCaption"), tr("Version Platform:"), font()),
                         *makeBottomLine(QStringLiteral("lab_Platform"), tr("32-bit"), boldFont), 344, 430,
                         width() - 8);

    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAccessibleDescription(tr("Closes the About window."));
    OKButton->setFocus();
}

void RunAboutDialog(QWidget* owner, const UnitCatalogue& catalogue)
{
    Tfrm_About dialog(owner, catalogue.totalUnitCount());
    RunWindowModal(dialog);
}

} // namespace velmar
