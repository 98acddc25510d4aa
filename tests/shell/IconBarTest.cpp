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

class IconBarTest : public ProgramTest {
protected:
    void SetUp() override
    {
        Start();
        // By name: without its own meta-object, findChild<IconBarView*> would take any widget.
        bar = dynamic_cast<IconBarView*>(program->Frame().findChild<QWidget*>(QStringLiteral("IconBar")));
        ASSERT_NE(nullptr, bar);
    }

    // Through the main window, as a person's mouse arrives: the press goes to whatever widget is
    // under it, and what the bar does not take would reach the main client beneath.
    QPoint InWindow(int x) const { return bar->mapTo(bar->window(), QPoint(x, 10)); }
    void Click(int x) { QTest::mouseClick(program->Frame().windowHandle(), Qt::LeftButton, {}, InWindow(x)); }
    void DoubleClick(int x) { QTest::mouseDClick(program->Frame().windowHandle(), Qt::LeftButton, {}, InWindow(x)); }

    std::array<int32_t, kStateCount> NumAuto() const
    {
        std::array<int32_t, kStateCount> numAuto{};
        std::copy(std::begin(program->GetModel().automaton.iNumAuto), std::end(program->GetModel().automaton.iNumAuto),
                  numAuto.begin());
        return numAuto;
    }
    static std::array<int32_t, kStateCount> Preset(int command)
    {
        return AutomatonPresets()[static_cast<std::size_t>(command - kFirstPresetCommand)].numAuto;
    }

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

TEST_F(IconBarTest, SpansTheClientAboveEveryWindowAndFollowsItsWidth)
{
    EXPECT_EQ(QRect(0, 0, program->Frame().ClientSize().width(), 32), bar->geometry());
    EXPECT_EQ(1, program->State().bIconBarOn);
    EXPECT_EQ(32, program->BitmapWindow()->geometry().top()) << "the Bitmap window starts below the bar";

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
    // The click belongs to the bar: the array under the main client is not edited or stepped.
    EXPECT_EQ(1, A().iLevel);
    EXPECT_EQ(0, A().iChanges);
    EXPECT_EQ(0, program->State().iLastClickX);
}

TEST_F(IconBarTest, EachIconsFullWidthSelectsItsPresetAndNothingBeyondTheLast)
{
    struct Case {
        int x;
        int preset; // 0: nothing happens
    };
    for (const Case c : {Case{0, 190}, {36, 190}, {37, 191}, {221, 195}, {222, 196}, {333, 199}, {369, 199},
                         {370, 0}, {371, 0}, {500, 0}}) {
        Command(192); // a known starting point, unlike every preset that follows
        Click(c.x);
        EXPECT_EQ(Preset(c.preset == 0 ? 192 : c.preset), NumAuto()) << "x = " << c.x;
    }
}

TEST_F(IconBarTest, TheLastPresetHasNoMenuItemSoNoMarkIsLeftAnywhere)
{
    Click(369);
    EXPECT_EQ(Preset(199), NumAuto());
    EXPECT_EQ(487, A().iNumAuto[0]);
    EXPECT_EQ(24, A().iNumAuto[1]);
    EXPECT_TRUE(CheckedPresets(MenuLanguage::English).empty());
    EXPECT_TRUE(CheckedPresets(MenuLanguage::French).empty());
    EXPECT_EQ(nullptr, program->Frame().MenuBar(MenuLanguage::English).Item(199));
}

TEST(IconBarCommand, ReadsTheCoordinateAsUnsignedSoNoNegativeXWrapsToAnIcon)
{
    EXPECT_EQ(190, IconBarCommandAt(0));
    EXPECT_EQ(199, IconBarCommandAt(369));
    for (int x : {-1, -36, -37, -370, std::numeric_limits<int>::min(), 370, std::numeric_limits<int>::max()})
        EXPECT_EQ(0, IconBarCommandAt(x)) << x;
}

TEST_F(IconBarTest, PressLeftOfTheBarOrWithAnotherButtonDoesNothing)
{
    Command(192); // not the first preset, which a wrapped negative x would choose
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(-5, 10));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(-5, 10));
    QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(40, 10));
    EXPECT_EQ(Preset(192), NumAuto());
    EXPECT_EQ(std::vector<int>{192}, CheckedPresets(MenuLanguage::English));
}

TEST_F(IconBarTest, DoubleClickOnAnIconSelectsItsPresetThenRunsNext)
{
    DoubleClick(300); // the tenth-but-one icon: preset 198
    EXPECT_EQ(Preset(198), NumAuto());
    EXPECT_EQ(std::vector<int>{198}, CheckedPresets(MenuLanguage::English));
    EXPECT_EQ(2, A().iLevel);

    // Exactly one generation of 198 from the Standard figure, computed apart.
    Automaton expected;
    ApplyAutomatonPreset(expected, 198);
    InitStandard(expected);
    ComputeNextGeneration(expected);
    for (int x = 1; x < expected.wMaxHor; ++x)
        for (int y = 1; y < expected.wMaxVer; ++y)
            ASSERT_EQ(expected.byArray[x][y], A().byArray[x][y]) << x << "," << y;
    EXPECT_EQ(0, A().iChanges) << "the double click reached the array beneath";
}

TEST_F(IconBarTest, DoubleClickRightOfTheIconsOnlyRunsNext)
{
    DoubleClick(380);
    EXPECT_EQ(Preset(190), NumAuto());
    EXPECT_EQ(2, A().iLevel);
}

TEST_F(IconBarTest, PaintsEachIconAtItsPlaceOnGray)
{
    const QImage shown = Rgb(bar->grab().toImage());
    ASSERT_GE(shown.width(), 375);
    std::vector<bool> iconColumn(static_cast<std::size_t>(shown.width()), false);
    for (int i = 0; i < kIconBarIconCount; ++i) {
        const QImage icon = Rgb(LoadIconResource(kIconBarIconNames[static_cast<std::size_t>(i)]));
        ASSERT_EQ(QSize(32, 32), icon.size()) << i;
        EXPECT_EQ(icon, shown.copy(37 * i + 5, 0, 32, 32)) << "icon " << i;
        for (int x = 37 * i + 5; x < 37 * i + 37; ++x)
            iconColumn[static_cast<std::size_t>(x)] = true;
    }
    for (int x = 0; x < shown.width(); ++x) {
        if (iconColumn[static_cast<std::size_t>(x)])
            continue;
        for (int y = 0; y < 32; ++y)
            ASSERT_EQ(QColor(0x80, 0x80, 0x80), shown.pixelColor(x, y)) << x << "," << y;
    }
}

TEST_F(IconBarTest, ClosingTheBarClearsItsFlag)
{
    delete bar;
    EXPECT_EQ(0, program->State().bIconBarOn);
    Command(191); // the presets still work from the menu
    EXPECT_EQ(Preset(191), NumAuto());
}

TEST(Icons, AreTenDistinct32By32PicturesInBarOrder)
{
    std::set<QByteArray> seen;
    for (const char* name : kIconBarIconNames) {
        const QImage icon = Rgb(LoadIconResource(name));
        ASSERT_EQ(QSize(32, 32), icon.size()) << name;
        const QByteArray pixels(reinterpret_cast<const char*>(icon.constBits()), icon.sizeInBytes());
        EXPECT_TRUE(seen.insert(pixels).second) << name << " looks like another icon";
    }
    EXPECT_EQ(QStringLiteral("ICON_0"), QLatin1String(kIconBarIconNames[5]));
}

TEST(Icons, AreWhatTheEngineDrawsNow)
{
    // A PNG that no longer matches means the engine or the table changed the picture:
    // scripts/make-icons.sh makes them again.
    const auto& pictures = IconPictures();
    for (int i = 0; i < kIconBarIconCount; ++i) {
        const IconPicture& picture = pictures[static_cast<std::size_t>(i)];
        EXPECT_STREQ(kIconBarIconNames[static_cast<std::size_t>(i)], picture.name);
        EXPECT_EQ(i == 5 ? 0 : 190 + i, picture.command) << picture.name;
        const QImage drawn = RenderIconPicture(picture);
        ASSERT_FALSE(drawn.isNull()) << picture.name;
        EXPECT_EQ(drawn, Rgb(LoadIconResource(picture.name))) << picture.name;
    }
}

TEST(Icons, RefuseTableEntriesThatCannotBeDrawn)
{
    for (const IconPicture bad : {IconPicture{"x", 190, 7, 5}, IconPicture{"x", 190, 0, 5},
                                  IconPicture{"x", 190, 15, 0}, IconPicture{"x", 190, 15, 100000},
                                  IconPicture{"x", 300, 15, 5}})
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
