#include "platform/HelpViewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

// The pages are compiled into the library that holds this file; a static library keeps them only
// when something names their initialiser, and the macro must be used outside every namespace.
static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace vellicor {

namespace {

constexpr int kTargetRole = Qt::UserRole;

QString ReadResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString PageFile(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment | QUrl::RemoveQuery).fileName();
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    InitHelpResources();

    back_ = new QPushButton(this);
    forward_ = new QPushButton(this);
    index_ = new QPushButton(this);
    // As in every browser, wherever the focus is. Not the buttons' own shortcuts: setText puts
    // the mnemonic of the label in their place.
    auto* backKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
    auto* forwardKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(index_);
    buttons->addStretch(1);

    contentsList_ = new QListWidget;
    search_ = new QLineEdit;
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    keywordList_ = new QListWidget;
    auto* keywordPanel = new QWidget;
    auto* keywordLayout = new QVBoxLayout(keywordPanel);
    keywordLayout->setContentsMargins(0, 0, 0, 0);
    keywordLayout->addWidget(search_);
    keywordLayout->addWidget(keywordList_);
    panels_ = new QTabWidget;
    panels_->addTab(contentsList_, QString());
    panels_->addTab(keywordPanel, QString());

    note_ = new QLabel;
    note_->setTextFormat(Qt::PlainText); // the key comes from the caller, never markup
    note_->setWordWrap(true);
    note_->hide();
    page_ = new QTextBrowser;
    // Links are ours to follow, so that none leaves the set or starts another program.
    page_->setOpenLinks(false);
    page_->setOpenExternalLinks(false);
    auto* pagePanel = new QWidget;
    auto* pageLayout = new QVBoxLayout(pagePanel);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(note_);
    pageLayout->addWidget(page_, 1);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(panels_);
    splitter->addWidget(pagePanel);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 620}); // room for the longest page titles

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(900, 620);

    connect(back_, &QPushButton::clicked, page_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, page_, &QTextBrowser::forward);
    connect(backKey, &QShortcut::activated, page_, &QTextBrowser::backward);
    connect(forwardKey, &QShortcut::activated, page_, &QTextBrowser::forward);
    connect(index_, &QPushButton::clicked, this, [this] {
        if (set_)
            OpenPage(HelpIndexUrl(*set_));
    });
    connect(page_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(page_, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    connect(page_, &QTextBrowser::sourceChanged, this, &HelpViewer::OnPageChanged);
    connect(contentsList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenTarget(item->data(kTargetRole).toString()); });
    connect(keywordList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenTarget(item->data(kTargetRole).toString()); });
    connect(search_, &QLineEdit::textChanged, this, &HelpViewer::FillKeywordList);
    connect(search_, &QLineEdit::returnPressed, this, &HelpViewer::OpenSelectedKeyword);
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::ShowIndex(const std::string& helpFile)
{
    const bool newSet = UseSet(HelpSetFor(helpFile));
    OpenPage(HelpIndexUrl(*set_));
    Present(newSet);
}

void HelpViewer::ShowKey(const std::string& helpFile, const std::string& key)
{
    const bool newSet = UseSet(HelpSetFor(helpFile));
    const QString wanted = QString::fromStdString(key);
    const std::optional<HelpKeyword> found = FindHelpKeyword(keywords_, wanted);
    if (found)
        OpenTarget(found->target);
    else {
        OpenPage(HelpIndexUrl(*set_));
        ShowNote(HelpViewerTextsFor(*set_).unknownKey.arg(wanted));
    }
    Present(newSet);
}

void HelpViewer::Quit()
{
    if (isVisible())
        close();
}

void HelpViewer::FollowLink(const QUrl& href)
{
    if (!set_)
        return;
    const QUrl target = page_->source().resolved(href);
    // A link out of the set, or to a page it does not have, leaves the page as it is.
    if (IsPageOfSet(*set_, target))
        OpenPage(target);
}

void HelpViewer::OpenSelectedKeyword()
{
    QListWidgetItem* item = keywordList_->currentItem();
    if (item == nullptr)
        item = keywordList_->item(0);
    if (item != nullptr)
        OpenTarget(item->data(kTargetRole).toString());
}

QUrl HelpViewer::CurrentPage() const
{
    return page_->source();
}

bool HelpViewer::NoteShown() const
{
    return !note_->isHidden();
}

QString HelpViewer::NoteText() const
{
    return note_->text();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down in the search field walk the list, so that the keyboard alone picks a keyword.
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            const int count = keywordList_->count();
            if (count > 0) {
                const int step = key->key() == Qt::Key_Down ? 1 : -1;
                const int row = std::clamp(keywordList_->currentRow() + step, 0, count - 1);
                keywordList_->setCurrentRow(row);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool HelpViewer::UseSet(HelpSetId set)
{
    if (set_ == set)
        return false;
    set_ = set;
    const HelpViewerTexts texts = HelpViewerTextsFor(set);
    setWindowTitle(HelpSetTitle(set));
    back_->setText(texts.back);
    forward_->setText(texts.forward);
    index_->setText(texts.index);
    panels_->setTabText(0, texts.contents);
    panels_->setTabText(1, texts.keywords);
    search_->setPlaceholderText(texts.searchHint);
    const QUrl base = HelpSetBase(set);
    keywords_ = ParseHelpKeywords(ReadResource(HelpResourcePath(base.resolved(QUrl(QStringLiteral("keywords.txt"))))));
    // A keyword that leads nowhere is not offered; looked up, it is a key of no topic.
    std::erase_if(keywords_, [&](const HelpKeyword& entry) { return !IsPageOfSet(set, base.resolved(QUrl(entry.target))); });
    FillContents();
    {
        const QSignalBlocker quiet(search_);
        search_->clear();
    }
    FillKeywordList();
    return true;
}

void HelpViewer::FillContents()
{
    contentsList_->clear();
    const QUrl index = HelpIndexUrl(*set_);
    auto add = [this](const QString& text, const QString& target) {
        auto* item = new QListWidgetItem(text.simplified(), contentsList_);
        item->setData(kTargetRole, target);
        item->setToolTip(item->text()); // the list is narrower than the longest titles
    };
    add(HelpViewerTextsFor(*set_).contents, QStringLiteral("index.html"));

    // The index page's own links, in its order: the set's pages as its writer arranged them.
    QTextDocument document;
    document.setHtml(ReadResource(HelpResourcePath(index)));
    QStringList seen{QStringLiteral("index.html")};
    QString text;
    QString href;
    auto flush = [&] {
        if (!href.isEmpty() && !seen.contains(href) && IsPageOfSet(*set_, index.resolved(QUrl(href)))) {
            seen.append(href);
            add(text, href);
        }
        text.clear();
        href.clear();
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString fragmentHref = fragment.charFormat().isAnchor() ? fragment.charFormat().anchorHref() : QString();
            if (fragmentHref != href)
                flush();
            href = fragmentHref;
            if (!href.isEmpty())
                text += fragment.text();
        }
        flush();
    }
}

void HelpViewer::FillKeywordList()
{
    keywordList_->clear();
    for (const HelpKeyword& entry : FilterHelpKeywords(keywords_, search_->text())) {
        auto* item = new QListWidgetItem(entry.keyword, keywordList_);
        item->setData(kTargetRole, entry.target);
    }
    if (keywordList_->count() > 0)
        keywordList_->setCurrentRow(0);
}

void HelpViewer::OpenTarget(const QString& target)
{
    const QUrl url = HelpSetBase(*set_).resolved(QUrl(target));
    if (IsPageOfSet(*set_, url))
        OpenPage(url);
}

void HelpViewer::OpenPage(const QUrl& url)
{
    if (url == page_->source()) {
        // Opening the page shown again still goes to its anchor and clears an old note.
        OnPageChanged(url);
        if (url.hasFragment())
            page_->scrollToAnchor(url.fragment());
        return;
    }
    page_->setSource(url);
}

void HelpViewer::OnPageChanged(const QUrl& url)
{
    note_->hide();
    const QString file = PageFile(url);
    const QSignalBlocker quiet(contentsList_);
    contentsList_->clearSelection();
    for (int row = 0; row < contentsList_->count(); ++row) {
        if (PageFile(QUrl(contentsList_->item(row)->data(kTargetRole).toString())) == file) {
            contentsList_->setCurrentRow(row);
            break;
        }
    }
}

void HelpViewer::ShowNote(const QString& text)
{
    note_->setText(text);
    note_->show();
}

void HelpViewer::Present(bool newSet)
{
    // Back must not lead into another set's pages under this set's labels.
    if (newSet)
        page_->clearHistory();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

} // namespace vellicor
