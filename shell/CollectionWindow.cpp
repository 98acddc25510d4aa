#include "shell/CollectionWindow.h"

#include "engine/Rules.h"
#include "explore/Thumbnail.h"
#include "platform/QtText.h"
#include "platform/UserPrompts.h"
#include "resources/CollectionTexts.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>

#include <algorithm>

namespace vellicor {

namespace {

// Words compared without case or accents: "etoile" finds "Étoile".
QString Folded(const QString& text)
{
    static const QRegularExpression marks(QStringLiteral("\\p{Mn}"));
    return text.normalized(QString::NormalizationForm_D).remove(marks).toCaseFolded();
}

} // namespace

CollectionWindow::CollectionWindow(const Model& model, UserPrompts& prompts, std::string shipped, OpenHandler open,
                                   QWidget* parent)
    : QWidget(parent), model_(model), prompts_(prompts), shipped_(std::move(shipped)), onOpen_(std::move(open))
{
    setObjectName(QStringLiteral("Collection"));
    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    filterLabel_ = new QLabel(this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("Filter"));
    filter_->setClearButtonEnabled(true);
    filterLabel_->setBuddy(filter_);
    folderButton_ = button("Folder");
    shippedButton_ = button("Shipped");
    open_ = button("Open");
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Status"));
    status_->setWordWrap(true);
    gallery_ = new GalleryView(model.settings.crStateColor, model.settings.iLanguage);
    gallery_->SetHint(kCollectionGalleryTip);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(gallery_);
    scroll->setWidgetResizable(true);
    scroll->setFocusProxy(gallery_);

    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel_);
    top->addWidget(filter_, 1);
    top->addSpacing(8);
    top->addWidget(folderButton_);
    top->addWidget(shippedButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(open_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(scroll, 1);
    layout->addLayout(bottom);

    filter_->installEventFilter(this);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) { SetFilter(text); });
    // Enter in the filter opens the chosen automaton, or the first one found.
    connect(filter_, &QLineEdit::returnPressed, this, [this] {
        if (gallery_->Current() < 0 && gallery_->SlotCount() > 0 && gallery_->Slot(0).ready)
            gallery_->Choose(0);
        OpenChosen();
    });
    connect(folderButton_, &QPushButton::clicked, this, [this] { ChooseFolder(); });
    connect(shippedButton_, &QPushButton::clicked, this, [this] { ShowFolder(shipped_); });
    connect(open_, &QPushButton::clicked, this, [this] { OpenChosen(); });
    gallery_->SetSelectionHandler([this] { UpdateControls(); });
    gallery_->SetActivateHandler([this](int) { OpenChosen(); });
    Retranslate();
    ShowFolder(shipped_);
}

CollectionWindow::~CollectionWindow() { Stop(); }

bool CollectionWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The keys that move up and down the gallery work from the filter too: type, then choose.
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            QCoreApplication::sendEvent(gallery_, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CollectionWindow::Stop()
{
    if (workers_)
        workers_->Cancel();
}

QString CollectionWindow::Title(const Entry& entry) const
{
    const bool english = IsEnglish(model_.settings.iLanguage);
    for (const std::string* title : {english ? &entry.picture.title : &entry.picture.titre,
                                     english ? &entry.picture.titre : &entry.picture.title})
        if (!title->empty())
            return FromUtf8(*title);
    return QFileInfo(QFile::decodeName(entry.path.c_str())).completeBaseName();
}

void CollectionWindow::ShowFolder(const std::string& folder)
{
    Stop();
    ++token_;
    folder_ = folder;
    entries_.clear();
    starts_.clear();
    if (!folder.empty()) {
        const QDir dir(QFile::decodeName(folder.c_str()), QStringLiteral("*.vellicor"), QDir::Name,
                       QDir::Files | QDir::Readable);
        // Small text files, read here; only the thumbnails take long enough to go to the workers.
        for (const QFileInfo& file : dir.entryInfoList()) {
            Entry entry;
            entry.path = QFile::encodeName(file.filePath()).toStdString();
            auto start = std::make_shared<Model>(model_.settings.bQuorrelEdition);
            entry.error = ReadAutomatonFile(entry.path, *start, entry.picture);
            std::copy(std::begin(start->settings.crStateColor), std::end(start->settings.crStateColor),
                      entry.palette.begin());
            entry.done = entry.error.has_value();
            entries_.push_back(std::move(entry));
            starts_.push_back(std::make_shared<const Automaton>(start->automaton));
        }
    }
    // By title, so that the workers grow the thumbnails in the order they are shown.
    std::vector<int> order(entries_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return Title(entries_[static_cast<size_t>(a)]).localeAwareCompare(Title(entries_[static_cast<size_t>(b)])) < 0;
    });
    std::vector<Entry> sortedEntries;
    std::vector<std::shared_ptr<const Automaton>> sortedStarts;
    for (int i : order) {
        sortedEntries.push_back(std::move(entries_[static_cast<size_t>(i)]));
        sortedStarts.push_back(std::move(starts_[static_cast<size_t>(i)]));
    }
    entries_ = std::move(sortedEntries);
    starts_ = std::move(sortedStarts);

    workers_ = std::make_unique<SlotWorkers>([this, token = token_, starts = starts_](
                                                 int index, const std::atomic<bool>& cancel) {
        // On a worker thread: only the start, shared read-only, is read here.
        std::optional<Automaton> grown = GrowThumbnail(*starts[static_cast<size_t>(index)], &cancel);
        if (!grown)
            return false;
        auto thumbnail = std::make_shared<const Automaton>(std::move(*grown));
        QMetaObject::invokeMethod(
            this, [this, token, index, thumbnail] { OnGrown(token, index, thumbnail); }, Qt::QueuedConnection);
        return true;
    });
    SetFilter(filter_->text());
    workers_->Extend(static_cast<int>(entries_.size()));
}

void CollectionWindow::OnGrown(int token, int index, std::shared_ptr<const Automaton> thumbnail)
{
    if (token != token_)
        return;
    Entry& entry = entries_[static_cast<size_t>(index)];
    entry.thumbnail = std::move(thumbnail);
    entry.done = true;
    const auto place = std::find(shown_.begin(), shown_.end(), index);
    if (place != shown_.end())
        Show(static_cast<int>(place - shown_.begin()), index);
    UpdateControls();
}

void CollectionWindow::Show(int slot, int index)
{
    const Entry& entry = entries_[static_cast<size_t>(index)];
    const Automaton& start = *starts_[static_cast<size_t>(index)];
    const int32_t iLanguage = model_.settings.iLanguage;
    QString tip = Title(entry) + QLatin1Char('\n') +
                  QtText(kCollectionDetails, iLanguage)
                      .arg(EffectiveMaxHor(start) - 1)
                      .arg(EffectiveMaxVer(start) - 1)
                      .arg(QtText(start.iGeometryMode != 0 ? kCollectionTorus : kCollectionPlane, iLanguage))
                      .arg(QString::fromStdString(RuleSetName(std::to_array(start.iNumAuto))))
                      .arg(start.iStep);
    if (IsEnglish(iLanguage) && !entry.picture.notes.empty())
        tip += QLatin1Char('\n') + FromUtf8(entry.picture.notes);
    gallery_->SetPicture(slot, Title(entry), tip, entry.thumbnail, entry.palette);
}

void CollectionWindow::SetFilter(const QString& text)
{
    const QStringList words = Folded(text).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    shown_.clear();
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        if (entry.error)
            continue;
        const QString title = Folded(Title(entry));
        if (std::all_of(words.begin(), words.end(), [&](const QString& word) { return title.contains(word); }))
            shown_.push_back(static_cast<int>(i));
    }
    gallery_->SetPlaceCount(static_cast<int>(shown_.size()));
    for (size_t slot = 0; slot < shown_.size(); ++slot)
        if (entries_[static_cast<size_t>(shown_[slot])].thumbnail)
            Show(static_cast<int>(slot), shown_[slot]);
    UpdateControls();
}

const std::string& CollectionWindow::PathAt(int slot) const
{
    return entries_.at(static_cast<size_t>(shown_.at(static_cast<size_t>(slot)))).path;
}

bool CollectionWindow::Done() const
{
    return std::all_of(entries_.begin(), entries_.end(), [](const Entry& e) { return e.done; });
}

void CollectionWindow::ChooseFolder()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Folder;
    request.proposedName = folder_;
    if (const std::optional<std::string> folder = prompts_.ChooseFile(request))
        ShowFolder(*folder);
}

void CollectionWindow::OpenChosen()
{
    const int current = gallery_->Current();
    if (current < 0 || current >= static_cast<int>(shown_.size()) || !gallery_->Slot(current).ready || !onOpen_)
        return;
    onOpen_(PathAt(current));
}

void CollectionWindow::UpdateControls()
{
    const int32_t iLanguage = model_.settings.iLanguage;
    const int current = gallery_->Current();
    open_->setEnabled(current >= 0 && gallery_->Slot(current).ready);
    shippedButton_->setEnabled(!shipped_.empty() && folder_ != shipped_);
    if (folder_.empty()) {
        status_->setText(QtText(kCollectionMissing, iLanguage));
        return;
    }
    const auto refused = std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.error; });
    QString text = QtText(kCollectionCount, iLanguage)
                       .arg(shown_.size())
                       .arg(entries_.size() - static_cast<size_t>(refused))
                       .arg(QDir::toNativeSeparators(QFile::decodeName(folder_.c_str())));
    const auto first = std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.error; });
    if (first != entries_.end())
        text += QtText(kCollectionUnreadable, iLanguage)
                    .arg(refused)
                    .arg(QFileInfo(QFile::decodeName(first->path.c_str())).fileName())
                    .arg(FromUtf8(AutomatonFileErrorText(*first->error, iLanguage)).trimmed());
    status_->setText(text);
}

void CollectionWindow::Retranslate()
{
    const int32_t iLanguage = model_.settings.iLanguage;
    filterLabel_->setText(QtText(kCollectionFilter, iLanguage));
    filter_->setPlaceholderText(QtText(kCollectionFilterHint, iLanguage));
    folderButton_->setText(QtText(kCollectionFolder, iLanguage));
    shippedButton_->setText(QtText(kCollectionShipped, iLanguage));
    open_->setText(QtText(kCollectionOpen, iLanguage));
    SetFilter(filter_->text()); // the titles in the language of the moment
}

} // namespace vellicor
