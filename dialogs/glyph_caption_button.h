#pragma once

#include <QToolButton>

namespace velmar {

// A flat button that stacks its glyph and its caption, the glyph above or
// below. Like a toolbar button it never takes the focus from the list it
// works on; its caption's access key still presses it.
class GlyphCaptionButton : public QToolButton {
public:
    enum class GlyphPlace { AboveCaption, BelowCaption };

    GlyphCaptionButton(const QString& caption, const QIcon& glyph, GlyphPlace place, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GlyphPlace place_;
};

} // namespace velmar
