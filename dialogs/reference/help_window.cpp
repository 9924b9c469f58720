#include "dialogs/reference/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "dialogs/reference/help_browser.h"
#include "dialogs/reference/help_collection.h"
#include "dialogs/reference/help_topics.h"

namespace velmar {
namespace {

// The context string of the manual's first page.
const QString ContentsTopic = QStringLiteral("Contents");

} // namespace

HelpWindow::HelpWindow(const QString& collectionFile, QWidget* parent)
    : QMainWindow(parent)
    , engine_(new QHelpEngine(collectionFile, this))
    , browser_(new HelpBrowser(*engine_, this))
{
    setWindowTitle(tr("Velmar Converter Help"));
    // An open help window must not keep the program running once the
    // converter window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(820, 600);
    browser_->setAccessibleName(tr("Help page"));
    browser_->setAccessibleDescription(tr("The topic shown; its links open other topics."));

    engine_->setReadOnly(true);
    engine_->setUsesFilterEngine(true);
    // The notices name the file as it was looked for: the collection given,
    // or where the program looks for one.
    const QString sought = QDir::toNativeSeparators(
        collectionFile.isEmpty() ? helpCollectionRelativePath(QLatin1String(HelpFileName)) : collectionFile);
    if (collectionFile.isEmpty() || !QFileInfo(collectionFile).isFile()) {
        unavailableReason_ = tr("The help file %1 could not be found. Reinstalling Velmar Converter "
                                "should restore it.")
                                 .arg(sought);
    } else if (!engine_->setupData() || engine_->registeredDocumentations().isEmpty()) {
        unavailableReason_ = tr("The help file %1 could not be opened; it may be damaged. Reinstalling "
                                "Velmar Converter should restore it.")
                                 .arg(sought);
        if (!engine_->error().isEmpty())
            unavailableReason_ += QLatin1Char(' ') + tr("(%1)").arg(engine_->error());
    } else {
        helpAvailable_ = true;
    }

    buildNavigation();
    buildToolBar();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(navigation_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 580});
    setCentralWidget(splitter);

    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::selectInContents);
    // The contents are built after the first topic may already be shown.
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { selectInContents(browser_->source()); });
}

void HelpWindow::buildNavigation()
{
    QHelpContentWidget* contents = engine_->contentWidget();
    QHelpIndexWidget* index = engine_->indexWidget();

    indexSearch_ = new QLineEdit;
    indexSearch_->setObjectName(QStringLiteral("helpIndexSearch"));
    indexSearch_->setClearButtonEnabled(true);
    indexSearch_->installEventFilter(this);
    indexSearch_->setAccessibleDescription(tr("Narrows the keyword list as you type; Up and Down choose a "
                                              "keyword, Enter shows its topic."));
    contents->setAccessibleName(tr("Table of contents"));
    contents->setAccessibleDescription(tr("The topics of the manual; Enter shows the selected topic."));
    index->setAccessibleName(tr("Keywords"));
    index->setAccessibleDescription(tr("The keywords of the manual; Enter shows the selected keyword's topic."));
    auto* searchLabel = new QLabel(tr("&Type the word you are looking for:"));
    searchLabel->setBuddy(indexSearch_);

    indexPage_ = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage_);
    indexLayout->addWidget(searchLabel);
    indexLayout->addWidget(indexSearch_);
    indexLayout->addWidget(index);

    navigation_ = new QTabWidget;
    navigation_->addTab(contents, tr("&Contents"));
    navigation_->addTab(indexPage_, tr("&Index"));
    navigation_->setEnabled(helpAvailable_);

    connect(contents, &QHelpContentWidget::linkActivated, browser_,
            [this](const QUrl& page) { browser_->setSource(page); });
    connect(index, &QHelpIndexWidget::documentActivated, browser_,
            [this](const QHelpLink& document) { browser_->setSource(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) { chooseDocument(documents); });
    connect(indexSearch_, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(indexSearch_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
}

void HelpWindow::buildToolBar()
{
    QToolBar* toolBar = addToolBar(tr("Navigation"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction* contents = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), this,
                                           &HelpWindow::showContents);
    QAction* index = toolBar->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), tr("Index"), this,
                                        &HelpWindow::showKeywordSearch);
    contents->setEnabled(helpAvailable_);
    index->setEnabled(helpAvailable_);

    QAction* back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), browser_,
                                       &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("helpBack"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);

    QAction* forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), browser_,
                                          &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

void HelpWindow::showContents()
{
    showTopic(ContentsTopic);
}

void HelpWindow::showTopic(const QString& contextString)
{
    if (!explainIfUnavailable())
        return;
    navigation_->setCurrentWidget(engine_->contentWidget());
    if (!openTopic(contextString)) {
        showNotice(tr("Topic not found"),
                   tr("The help file %1 has no topic named \u201c%2\u201d.")
                       .arg(QDir::toNativeSeparators(engine_->collectionFile()), contextString));
    }
}

void HelpWindow::showKeywordSearch()
{
    if (!explainIfUnavailable())
        return;
    navigation_->setCurrentWidget(indexPage_);
    if (browser_->source().isEmpty())
        openTopic(ContentsTopic);
    indexSearch_->setFocus();
    indexSearch_->selectAll();
}

bool HelpWindow::openTopic(const QString& contextString)
{
    const QList<QHelpLink> documents = engine_->documentsForIdentifier(contextString);
    if (documents.isEmpty())
        return false;
    browser_->setSource(documents.first().url);
    return true;
}

// A keyword used by several topics (a unit name shared by categories): the
// user picks the topic, listed by title, from a menu beside the keyword.
void HelpWindow::chooseDocument(QList<QHelpLink> documents)
{
    std::sort(documents.begin(), documents.end(),
              [](const QHelpLink& left, const QHelpLink& right) { return left.title < right.title; });
    QMenu menu(this);
    for (const QHelpLink& document : documents) {
        menu.addAction(document.title, browser_, [this, url = document.url] { browser_->setSource(url); });
    }
    QHelpIndexWidget* index = engine_->indexWidget();
    const QRect keyword = index->visualRect(index->currentIndex());
    menu.exec(index->viewport()->mapToGlobal(keyword.bottomLeft()));
}

bool HelpWindow::explainIfUnavailable()
{
    if (!helpAvailable_)
        showNotice(tr("Help is not available"), unavailableReason_);
    return helpAvailable_;
}

void HelpWindow::showNotice(const QString& heading, const QString& text)
{
    browser_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>").arg(heading.toHtmlEscaped(), text.toHtmlEscaped()));
}

void HelpWindow::selectInContents(const QUrl& page)
{
    QHelpContentWidget* contents = engine_->contentWidget();
    const QModelIndex entry = contents->indexOf(page);
    if (entry.isValid()) {
        contents->setCurrentIndex(entry);
        contents->scrollTo(entry);
    }
}

// The arrow and page keys pressed in the index search box move through the
// keyword list, so the user can pick a keyword without leaving the box.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == indexSearch_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(engine_->indexWidget(), event);
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace velmar
