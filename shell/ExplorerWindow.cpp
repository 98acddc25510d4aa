#include "shell/ExplorerWindow.h"

#include "resources/ExplorerTexts.h"
#include "views/GalleryView.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace vellicor {

namespace {

constexpr int kDefaultStates = 4;
constexpr int kDefaultGenerations = 100;
constexpr int kMaxGenerations = 100000;
constexpr int kMaxShownSeed = 999999; // a fresh seed is short enough to note down

QString Text(const BilingualText& text, int32_t iLanguage)
{
    const std::string_view picked = PickText(text, iLanguage);
    return QString::fromUtf8(picked.data(), static_cast<qsizetype>(picked.size()));
}

QSpinBox* SpinBox(const char* name, int minimum, int maximum, int value)
{
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

ExplorerWindow::ExplorerWindow(const Model& model, AdoptHandler adopt, QWidget* parent)
    : QWidget(parent), model_(model), onAdopt_(std::move(adopt))
{
    setObjectName(QStringLiteral("RuleExplorer"));
    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    new_ = button("New");
    variations_ = button("Variations");
    cross_ = button("Cross");
    adopt_ = button("Adopt");
    adoptPicture_ = button("AdoptWithPicture");
    statesLabel_ = new QLabel(this);
    seedLabel_ = new QLabel(this);
    generationsLabel_ = new QLabel(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Status"));
    status_->setWordWrap(true);
    states_ = SpinBox("States", kMinExploreStates, kMaxExploreStates, kDefaultStates);
    seed_ = SpinBox("Seed", 0, INT32_MAX, 1);
    generations_ = SpinBox("Generations", 1, kMaxGenerations, kDefaultGenerations);
    seed_->setMinimumWidth(seed_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    gallery_ = new GalleryView(model.settings.crStateColor, model.settings.iLanguage, this);

    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {new_, variations_, cross_})
        commands->addWidget(b);
    commands->addStretch(1);
    for (QPushButton* b : {adopt_, adoptPicture_})
        commands->addWidget(b);
    auto* parameters = new QHBoxLayout;
    const std::pair<QLabel*, QSpinBox*> fields[] = {
        {statesLabel_, states_}, {seedLabel_, seed_}, {generationsLabel_, generations_}};
    for (auto [label, box] : fields) {
        label->setBuddy(box);
        parameters->addWidget(label);
        parameters->addWidget(box);
        parameters->addSpacing(8);
    }
    parameters->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(commands);
    layout->addLayout(parameters);
    layout->addWidget(gallery_, 1);
    layout->addWidget(status_);

    connect(new_, &QPushButton::clicked, this, [this] { Start(CandidateKind::New); });
    connect(variations_, &QPushButton::clicked, this, [this] { Start(CandidateKind::Variations); });
    connect(cross_, &QPushButton::clicked, this, [this] { Start(CandidateKind::Cross); });
    connect(adopt_, &QPushButton::clicked, this, [this] { Adopt(false); });
    connect(adoptPicture_, &QPushButton::clicked, this, [this] { Adopt(true); });
    // A seed the person sets is the next gallery's; otherwise each gallery draws a fresh one.
    connect(seed_, &QSpinBox::valueChanged, this, [this] { seedTyped_ = !settingSeed_; });
    gallery_->SetSelectionHandler([this] { UpdateControls(); });
    gallery_->SetActivateHandler([this](int) { Adopt(false); });
    gallery_->SetGridHandler([this](int slotCount) {
        if (exploration_)
            exploration_->Extend(slotCount);
        UpdateControls();
    });
    Retranslate();
}

ExplorerWindow::~ExplorerWindow() { Stop(); }

void ExplorerWindow::Stop()
{
    if (exploration_)
        exploration_->Cancel();
}

void ExplorerWindow::Start(CandidateKind kind)
{
    ExplorePlan plan;
    plan.kind = kind;
    plan.states = states_->value();
    const std::vector<int>& selected = gallery_->Selected();
    if (kind == CandidateKind::Variations) {
        const int current = gallery_->Current();
        plan.first = current >= 0 ? gallery_->Slot(current).rules : std::to_array(model_.automaton.iNumAuto);
    } else if (kind == CandidateKind::Cross) {
        if (selected.size() != 2)
            return;
        plan.first = gallery_->Slot(selected[0]).rules;
        plan.second = gallery_->Slot(selected[1]).rules;
    }
    if (!seedTyped_) {
        settingSeed_ = true;
        seed_->setValue(std::uniform_int_distribution<int>(1, kMaxShownSeed)(seeds_));
        settingSeed_ = false;
    }
    seedTyped_ = false;
    plan.seed = static_cast<uint64_t>(seed_->value());

    Stop();
    ++token_;
    leftOut_ = 0;
    auto start = std::make_shared<const Automaton>(model_.automaton);
    gallery_->Reset(EffectiveMaxHor(*start) - 1, EffectiveMaxVer(*start) - 1);
    exploration_ = std::make_unique<Exploration>(start, plan, generations_->value(), [this, token = token_](
                                                                                         SlotResult result) {
        // On a worker thread: the window takes it on its own; it outlives every worker (Stop).
        QMetaObject::invokeMethod(this, [this, token, result] { OnResult(token, result); }, Qt::QueuedConnection);
    });
    exploration_->Extend(gallery_->SlotCount());
    UpdateControls();
}

void ExplorerWindow::OnResult(int token, const SlotResult& result)
{
    if (token != token_)
        return;
    leftOut_ += result.attempts - 1;
    gallery_->SetResult(result.slot, result.rules, result.mark, result.last);
    UpdateControls();
}

void ExplorerWindow::Adopt(bool withPicture)
{
    const int current = gallery_->Current();
    if (current < 0 || !gallery_->Slot(current).ready || !onAdopt_)
        return;
    const GallerySlot& slot = gallery_->Slot(current);
    onAdopt_(slot.rules, withPicture ? slot.last.get() : nullptr);
}

void ExplorerWindow::UpdateControls()
{
    const int current = gallery_->Current();
    const bool chosen = current >= 0 && gallery_->Slot(current).ready;
    adopt_->setEnabled(chosen);
    adoptPicture_->setEnabled(chosen);
    cross_->setEnabled(gallery_->Selected().size() == 2);
    const int32_t iLanguage = model_.settings.iLanguage;
    QString status = Text(kExplorerProgress, iLanguage).arg(gallery_->ReadyCount()).arg(gallery_->SlotCount()).arg(leftOut_);
    if (MostlyNoise())
        status += QLatin1Char('\n') + Text(kExplorerMostlyNoise, iLanguage);
    status_->setText(status);
}

bool ExplorerWindow::MostlyNoise() const
{
    // Judged on the whole gallery: a few places of noise among pictures say nothing of the start.
    if (gallery_->ReadyCount() < gallery_->SlotCount())
        return false;
    int noise = 0;
    for (int slot = 0; slot < gallery_->SlotCount(); ++slot) {
        const SlotMark mark = gallery_->Slot(slot).mark;
        if (mark == SlotMark::None)
            return false;
        noise += mark == SlotMark::Noise ? 1 : 0;
    }
    return 2 * noise > gallery_->SlotCount();
}

void ExplorerWindow::Retranslate()
{
    const int32_t iLanguage = model_.settings.iLanguage;
    new_->setText(Text(kExplorerNew, iLanguage));
    variations_->setText(Text(kExplorerVariations, iLanguage));
    cross_->setText(Text(kExplorerCross, iLanguage));
    adopt_->setText(Text(kExplorerAdopt, iLanguage));
    adoptPicture_->setText(Text(kExplorerAdoptWithPicture, iLanguage));
    statesLabel_->setText(Text(kExplorerStates, iLanguage));
    seedLabel_->setText(Text(kExplorerSeed, iLanguage));
    generationsLabel_->setText(Text(kExplorerGenerations, iLanguage));
    gallery_->setToolTip({}); // the gallery gives its own tips, in the language of the moment
    gallery_->update();
    UpdateControls();
}

} // namespace vellicor
