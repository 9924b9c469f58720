#include "dialogs/glyph_caption_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace velmar {

GlyphCaptionButton::GlyphCaptionButton(const QString& caption, const QIcon& glyph, GlyphPlace place, QWidget* parent)
    : QToolButton(parent)
    , place_(place)
{
    setText(caption);
    setIcon(glyph);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void GlyphCaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);

    // The style draws the flat bevel; glyph and caption are placed here.
    QStyleOptionToolButton bevel;
    initStyleOption(&bevel);
    bevel.text.clear();
    bevel.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, bevel);

    const QRect content = rect().adjusted(2, 2, -2, -2);
    QRect upper = content;
    upper.setHeight(content.height() / 2);
    QRect lower = content;
    lower.setTop(upper.bottom() + 1);

    const bool glyphAbove = place_ == GlyphPlace::AboveCaption;
    const QRect glyphArea = glyphAbove ? upper : lower;
    const QRect captionArea = glyphAbove ? lower : upper;
    const Qt::Alignment towardsCaption = glyphAbove ? Qt::AlignBottom : Qt::AlignTop;
    const Qt::Alignment towardsGlyph = glyphAbove ? Qt::AlignTop : Qt::AlignBottom;

    const QSize glyphSize = iconSize().boundedTo(glyphArea.size());
    const QRect glyphRect
        = QStyle::alignedRect(layoutDirection(), Qt::AlignHCenter | towardsCaption, glyphSize, glyphArea);
    icon().paint(&painter, glyphRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.drawItemText(captionArea, Qt::AlignHCenter | towardsGlyph | Qt::TextShowMnemonic, palette(), isEnabled(),
                         text(), QPalette::ButtonText);
}

} // namespace velmar
