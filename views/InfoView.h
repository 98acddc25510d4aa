#pragma once
// The Info window: level, count of non-zero live cells, manual changes and the sixteen rule masks,
// on fifteen lines whose positions follow the window's height when it was created.

#include "engine/Automaton.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>

#include <functional>
#include <string>

namespace vellicor {

class InfoView : public QWidget {
public:
    InfoView(const Automaton& automaton, const int32_t& iLanguage, std::function<void()> onDoubleClick,
             QWidget* parent = nullptr);

    // Live cells whose state is not 0, counted anew for every paint.
    static int CountLiveCells(const Automaton& a);
    // The values as Edit / Copy Informations window gives them: one line, the English labels
    // whatever the language, each number as "%5d " ("Level:    1 Count:    4 Changes: ...").
    static std::string InfoText(const Automaton& a);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int LineStep() const;

    const Automaton& automaton_;
    const int32_t& iLanguage_;
    std::function<void()> onDoubleClick_;
    int lineStep_ = -1; // fixed by the first size the window gets
    // The labels and rule numbers as last drawn, with what they were drawn for.
    QImage fixed_;
    std::array<int32_t, kStateCount> fixedRules_{};
    int32_t fixedLanguage_ = -1;
    QFont fixedFont_;
};

} // namespace vellicor
