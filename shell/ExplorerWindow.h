#pragma once
// The rule explorer's window: the buttons that start a gallery (New, Variations, Cross), its
// parameters (n states, the seed, K generations), the gallery, and the buttons that adopt a
// candidate. The candidates run on worker threads (explore/Exploration.h) from a copy of the
// automaton taken when a gallery starts; their results are posted to this window's thread and
// appear as they come. A new gallery or the window's end cancels the one running.

#include "explore/Exploration.h"
#include "shell/settings/Settings.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <random>

class QLabel;
class QPushButton;
class QSpinBox;

namespace vellicor {

class GalleryView;

class ExplorerWindow : public QWidget {
public:
    // picture: the candidate's last generation for "Adopt with picture", null for the rules alone.
    using AdoptHandler = std::function<void(const RuleSet& numAuto, const Automaton* picture)>;

    ExplorerWindow(const Model& model, AdoptHandler adopt, QWidget* parent = nullptr);
    ~ExplorerWindow() override;

    // What New, Variations and Cross do. Variations starts from the current thumbnail or, with
    // none, from the program's rules; Cross needs two thumbnails selected.
    void Start(CandidateKind kind);
    // Cancels the runs; when it returns none is left.
    void Stop();
    void Retranslate();

    GalleryView& Gallery() const { return *gallery_; }
    // The runs of the gallery shown, while any is left.
    bool Running() const { return exploration_ && exploration_->ActiveWorkers() > 0; }

private:
    void OnResult(int token, const SlotResult& result);
    void Adopt(bool withPicture);
    void UpdateControls();
    // Every place of the gallery shown is ready and dull, most of them noise.
    bool MostlyNoise() const;

    const Model& model_;
    AdoptHandler onAdopt_;
    std::unique_ptr<Exploration> exploration_;
    int token_ = 0;      // the gallery shown; results of an older one are dropped
    int leftOut_ = 0;    // dull candidates replaced in the gallery shown
    bool seedTyped_ = false;
    bool settingSeed_ = false;
    std::mt19937 seeds_{std::random_device{}()};

    QPushButton* new_ = nullptr;
    QPushButton* variations_ = nullptr;
    QPushButton* cross_ = nullptr;
    QPushButton* adopt_ = nullptr;
    QPushButton* adoptPicture_ = nullptr;
    QLabel* statesLabel_ = nullptr;
    QLabel* seedLabel_ = nullptr;
    QLabel* generationsLabel_ = nullptr;
    QLabel* status_ = nullptr;
    QSpinBox* states_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QSpinBox* generations_ = nullptr;
    GalleryView* gallery_ = nullptr;
};

} // namespace vellicor
