#pragma once

#include <QMainWindow>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
struct QHelpLink;

namespace velmar {

class HelpBrowser;

// The help viewer: a contents tree and a keyword index beside the page,
// with back and forward through the pages seen.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    // Opens the collection read-only, so an installed help collection is
    // never written to. An empty or unusable path leaves the window showing
    // why help is not available.
    explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);

    bool isHelpAvailable() const { return helpAvailable_; }

    // The contents tree and the first page of the manual.
    void showContents();
    // The contents tree, then the topic with this context string.
    void showTopic(const QString& contextString);
    // The keyword index, with its search box ready for typing.
    void showKeywordSearch();

    QHelpEngine& engine() const { return *engine_; }
    HelpBrowser& browser() const { return *browser_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildNavigation();
    void buildToolBar();
    // False, with the reason shown in place of a page, when help is missing.
    bool explainIfUnavailable();
    bool openTopic(const QString& contextString);
    void chooseDocument(QList<QHelpLink> documents);
    void showNotice(const QString& heading, const QString& text);
    void selectInContents(const QUrl& page);

    QHelpEngine* engine_;
    HelpBrowser* browser_;
    QTabWidget* navigation_ = nullptr;
    QWidget* indexPage_ = nullptr;
    QLineEdit* indexSearch_ = nullptr;
    QString unavailableReason_;
    bool helpAvailable_ = false;
};

} // namespace velmar
