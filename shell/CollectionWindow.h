#pragma once
// The collection's window: a gallery of the automaton files of one folder (the collection
// installed with the program, or a folder the person picks), each thumbnail grown from its file
// (explore/Thumbnail.h) with its title under it in the program's language, and a filter by words
// of the title. Double click, Enter or Open opens the chosen file through the handler.
//
// The files are read and their thumbnails grown on worker threads, as the rule explorer runs its
// candidates; the results are posted to this window's thread and appear as they come. Another
// folder, or the window's end, cancels the work under way.

#include "explore/SlotWorkers.h"
#include "shell/settings/AutomatonFile.h"
#include "views/GalleryView.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vellicor {

class UserPrompts;

class CollectionWindow : public QWidget {
public:
    using OpenHandler = std::function<void(const std::string& path)>;

    // shipped: the folder of the collection installed with the program (empty: none found).
    CollectionWindow(const Model& model, UserPrompts& prompts, std::string shipped, OpenHandler open,
                     QWidget* parent = nullptr);
    ~CollectionWindow() override;

    // Lists the automaton files of the folder, by name, and starts growing their thumbnails.
    void ShowFolder(const std::string& folder);
    // Shows the files whose title (in the language of the moment) holds every word of the text,
    // in any case.
    void SetFilter(const QString& text);
    // Cancels the work; when it returns no worker is left.
    void Stop();
    void Retranslate();

    GalleryView& Gallery() const { return *gallery_; }
    QLineEdit& Filter() const { return *filter_; }
    const std::string& Folder() const { return folder_; }
    // The file shown at a place of the gallery.
    const std::string& PathAt(int slot) const;
    // Every file read and grown, or refused.
    bool Done() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        std::string path;
        bool done = false; // refused, or its thumbnail grown
        std::optional<AutomatonFileError> error;
        AutomatonPicture picture;
        GalleryPalette palette{};
        std::shared_ptr<const Automaton> thumbnail;
    };

    void OnGrown(int token, int index, std::shared_ptr<const Automaton> thumbnail);
    void ChooseFolder();
    void OpenChosen();
    QString Title(const Entry& entry) const;
    void Show(int slot, int index); // the entry at the gallery's place, with its tip
    void UpdateControls();

    const Model& model_;
    UserPrompts& prompts_;
    const std::string shipped_;
    OpenHandler onOpen_;
    std::string folder_;
    std::vector<Entry> entries_; // by title
    std::vector<std::shared_ptr<const Automaton>> starts_; // each entry's automaton as its file holds it
    std::vector<int> shown_; // the entries in the gallery's places, in order
    std::unique_ptr<SlotWorkers> workers_;
    int token_ = 0; // the folder shown; results for an older one are dropped

    QLineEdit* filter_ = nullptr;
    QLabel* filterLabel_ = nullptr;
    QPushButton* folderButton_ = nullptr;
    QPushButton* shippedButton_ = nullptr;
    QPushButton* open_ = nullptr;
    QLabel* status_ = nullptr;
    GalleryView* gallery_ = nullptr;
};

} // namespace vellicor
