#pragma once

#include <QWidget>

namespace velmar {

// The About window's picture: the program's emblem, as large as fits and
// centred in whatever size it is given.
class AboutEmblem : public QWidget {
public:
    explicit AboutEmblem(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmar
