#include "tests/shell/ProgramFixture.h"

#include "content/Initialisation.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "platform/ProgramIcon.h"
#include "tools/make_icons/IconPictures.h"
#include "views/IconBarView.h"

#include <QAction>
#include <QWindow>

#include <set>

namespace vellicor::test {
namespace {

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

std::array<int32_t, kStateCount> Preset(int command)
{
    return AutomatonPresets()[static_cast<std::size_t>(command - kFirstPresetCommand)].numAuto;
}

class IconBarTest : public ProgramTest {
protected:
    void SetUp() override
    {
        Start();
        // By name: without its own meta-object, findChild<IconBarView*> would take any widget.
        bar = dynamic_cast<IconBarView*>(program->Frame().findChild<QWidget*>(QStringLiteral("IconBar")));
        ASSERT_NE(nullptr, bar);
    }

    // Through the main window, as a person's mouse arrives: the events go to whatever widget is
    // under the pointer, and what the bar leaves would travel on to the main client beneath.
    QPoint InWindow(int x) const { return bar->mapTo(bar->window(), QPoint(x, 10)); }
    void Click(int x) { QTest::mouseClick(program->Frame().windowHandle(), Qt::LeftButton, {}, InWindow(x)); }
    void DoubleClick(int x) { QTest::mouseDClick(program->Frame().windowHandle(), Qt::LeftButton, {}, InWindow(x)); }

    std::array<int32_t, kStateCount> NumAuto() { return std::to_array(A().iNumAuto); }

    // The preset items checked on one bar; an item the bar does not have is never counted.
    std::vector<int> CheckedPresets(MenuLanguage language)
    {
        std::vector<int> checked;
        for (int id = 190; id <= 199; ++id)
            if (const QAction* item = program->Frame().MenuBar(language).Item(id); item && item->isChecked())
                checked.push_back(id);
        return checked;
    }

    IconBarView* bar = nullptr;
};

TEST_F(IconBarTest, SpansTheClientAboveTheWindowsAndFollowsItsWidth)
{
    EXPECT_EQ(QRect(0, 0, program->Frame().ClientSize().width(), 32), bar->geometry());
    EXPECT_EQ(1, program->State().bIconBarOn);
    EXPECT_EQ(32, program->BitmapWindow()->geometry().top());

    program->Frame().resize(program->Frame().width() - 150, program->Frame().height());
    QCoreApplication::processEvents();
    EXPECT_EQ(QRect(0, 0, program->Frame().ClientSize().width(), 32), bar->geometry());
}

TEST_F(IconBarTest, ClickSelectsThePresetUnderItAndMarksItInBothMenus)
{
    Click(40);
    EXPECT_EQ(Preset(191), NumAuto());
    EXPECT_EQ(std::vector<int>{191}, CheckedPresets(MenuLanguage::English));
    EXPECT_EQ(std::vector<int>{191}, CheckedPresets(MenuLanguage::French));
    // The click is the bar's alone: the array under the main client is neither edited nor stepped.
    EXPECT_EQ(1, A().iLevel);
    EXPECT_EQ(0, A().iChanges);
    EXPECT_EQ(0, program->State().iLastClickX);
}

TEST_F(IconBarTest, EachIconsFullWidthSelectsItsPresetAndNothingBeyondTheLast)
{
    for (const auto& [x, preset] : {std::pair{0, 190}, {36, 190}, {37, 191}, {221, 195}, {222, 196}, {369, 199},
                                   {370, 0}, {500, 0}}) {
        Command(192); // a known starting point, unlike every preset clicked
        Click(x);
        EXPECT_EQ(Preset(preset == 0 ? 192 : preset), NumAuto()) << "x = " << x;
    }
    // 199 has no menu item: the rules change, and no item of either menu keeps a mark.
    Click(369);
    EXPECT_EQ(487, A().iNumAuto[0]);
    EXPECT_EQ(24, A().iNumAuto[1]);
    EXPECT_TRUE(CheckedPresets(MenuLanguage::English).empty());
    EXPECT_TRUE(CheckedPresets(MenuLanguage::French).empty());
}

TEST_F(IconBarTest, NegativeXOrAnotherButtonSelectsNothing)
{
    for (int x : {-1, -37, -370, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        EXPECT_EQ(0, IconBarCommandAt(x)) << x;
    Command(192); // not the first preset, which a wrapped negative x would choose
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(-5, 10));
    QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(40, 10));
    EXPECT_EQ(Preset(192), NumAuto());
}

TEST_F(IconBarTest, DoubleClickOnAnIconSelectsItsPresetThenRunsNext)
{
    DoubleClick(300); // preset 198
    EXPECT_EQ(std::vector<int>{198}, CheckedPresets(MenuLanguage::English));
    EXPECT_EQ(2, A().iLevel);
    Automaton expected; // one generation of 198 from the Standard figure, computed apart
    ApplyAutomatonPreset(expected, 198);
    InitStandard(expected);
    ComputeNextGeneration(expected);
    for (int x = 1; x < expected.wMaxHor; ++x)
        for (int y = 1; y < expected.wMaxVer; ++y)
            ASSERT_EQ(expected.byArray[x][y], A().byArray[x][y]) << x << "," << y;
    EXPECT_EQ(0, A().iChanges) << "the double click reached the array beneath";

    DoubleClick(380); // right of the icons: Next alone
    EXPECT_EQ(Preset(198), NumAuto());
    EXPECT_EQ(3, A().iLevel);
}

TEST_F(IconBarTest, PaintsEachIconAtItsPlaceOnGray)
{
    const QImage shown = Rgb(bar->grab().toImage());
    ASSERT_GE(shown.width(), 375);
    QImage expected(shown.size(), QImage::Format_RGB32);
    expected.fill(QColor(0x80, 0x80, 0x80));
    for (int i = 0; i < kIconBarIconCount; ++i) {
        const QImage icon = Rgb(LoadIconResource(kIconBarIconNames[static_cast<std::size_t>(i)]));
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                expected.setPixel(37 * i + 5 + x, y, icon.pixel(x, y));
    }
    EXPECT_EQ(expected, shown);
}

TEST_F(IconBarTest, ClosingTheBarClearsItsFlag)
{
    delete bar;
    EXPECT_EQ(0, program->State().bIconBarOn);
    program->Frame().resize(program->Frame().width() - 100, program->Frame().height()); // nothing to follow
    Command(191);
    EXPECT_EQ(Preset(191), NumAuto());
}

TEST(Icons, AreTenDistinct32By32PicturesThatTheEngineStillDraws)
{
    // A PNG unlike what the tool draws now means the engine or the table changed the picture:
    // scripts/make-icons.sh makes them again.
    std::set<QByteArray> seen;
    for (int i = 0; i < kIconBarIconCount; ++i) {
        const IconPicture& picture = IconPictures()[static_cast<std::size_t>(i)];
        EXPECT_STREQ(kIconBarIconNames[static_cast<std::size_t>(i)], picture.name);
        EXPECT_EQ(i == 5 ? 0 : 190 + i, picture.command) << picture.name;
        const QImage icon = Rgb(LoadIconResource(picture.name));
        ASSERT_EQ(QSize(32, 32), icon.size()) << picture.name;
        EXPECT_EQ(RenderIconPicture(picture), icon) << picture.name;
        EXPECT_TRUE(seen.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()), icon.sizeInBytes())).second)
            << picture.name << " looks like another icon";
    }
}

TEST(Icons, RefuseTableEntriesThatCannotBeDrawn)
{
    for (const IconPicture& bad : {IconPicture{"x", 190, 7, 5}, {"x", 190, 0, 5}, {"x", 190, 15, 0},
                                  {"x", 190, 15, 100000}, {"x", 300, 15, 5}})
        EXPECT_TRUE(RenderIconPicture(bad).isNull()) << bad.command << " " << bad.liveCells << " " << bad.level;
}

TEST(Icons, TheProgramIconIsIcon0)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(Rgb(LoadIconResource("ICON_0")), Rgb(icon.pixmap(32, 32).toImage()));
    EXPECT_EQ(QSize(16, 16), icon.pixmap(16, 16).size()) << "smaller sizes are scaled from it";
}

} // namespace
} // namespace vellicor::test
