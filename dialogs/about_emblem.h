#pragma once

#include <QWidget>

namespace velmar {

// The product emblem: a measuring rule under a pair of exchange arrows,
// drawn to fit whatever size it is given.
class AboutEmblem : public QWidget {
public:
    explicit AboutEmblem(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmar
