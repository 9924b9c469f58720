#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace velmar {

// Shows help pages, reading qthelp:// addresses from the help collection.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(const QHelpEngineCore& engine, QWidget* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore& engine_;
};

} // namespace velmar
