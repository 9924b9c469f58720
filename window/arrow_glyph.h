#pragma once

#include <QWidget>

namespace velmar {

// The arrow between the input and the result box: a heavy right-pointing
// arrow filling the widget, in the window-text colour.
class ArrowGlyph : public QWidget {
    Q_OBJECT

public:
    explicit ArrowGlyph(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmar
