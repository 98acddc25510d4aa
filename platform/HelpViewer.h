#pragma once
// The program's help viewer, standing in for the old WinHelp program: a top-level window of its
// own, never modal, beside the main window. On the left the set's contents (the index page and
// every page it lists) and its keyword list with a search field; on the right the page, whose
// links, anchors and pictures work as in a browser; Back, Forward and Index above, with Alt+Left
// and Alt+Right. Its labels follow the language of the set shown, its title names the set.
//
// The program drives it with the three WinHelp commands it used: ShowIndex (HELP_INDEX), ShowKey
// (HELP_KEY) and Quit (HELP_QUIT). A help file of no set opens the English set; a key of no topic
// shows the index with a short note. Nothing a person or the program does here can reach beyond
// the set's own pages: links elsewhere are not followed.

#include "platform/HelpKeywords.h"
#include "platform/HelpSet.h"

#include <QUrl>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace vellicor {

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    void ShowIndex(const std::string& helpFile);
    void ShowKey(const std::string& helpFile, const std::string& key);
    // Closes the window if it is open; the next command opens it again.
    void Quit();

    // What a click on a link of the page does: href is taken relative to the page shown.
    void FollowLink(const QUrl& href);
    // Opens the keyword selected in the list (or its first one), as Enter in the search field does.
    void OpenSelectedKeyword();

    // Nothing before the first command.
    std::optional<HelpSetId> CurrentSet() const { return set_; }
    QUrl CurrentPage() const;
    bool NoteShown() const;
    QString NoteText() const;
    const std::vector<HelpKeyword>& Keywords() const { return keywords_; }

    // The controls, for the tests that press and click them as a person would.
    QTextBrowser& Page() { return *page_; }
    QLineEdit& SearchField() { return *search_; }
    QListWidget& KeywordList() { return *keywordList_; }
    QListWidget& ContentsList() { return *contentsList_; }
    QTabWidget& Panels() { return *panels_; }
    QPushButton& BackButton() { return *back_; }
    QPushButton& ForwardButton() { return *forward_; }
    QPushButton& IndexButton() { return *index_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool UseSet(HelpSetId set); // true when it changes the set
    void FillContents();
    void FillKeywordList();
    void OpenTarget(const QString& target);
    void OpenPage(const QUrl& url);
    void OnPageChanged(const QUrl& url);
    void ShowNote(const QString& text);
    void Present(bool newSet);

    std::optional<HelpSetId> set_;
    std::vector<HelpKeyword> keywords_;
    QTextBrowser* page_ = nullptr;
    QLabel* note_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* keywordList_ = nullptr;
    QListWidget* contentsList_ = nullptr;
    QTabWidget* panels_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* index_ = nullptr;
};

} // namespace vellicor
