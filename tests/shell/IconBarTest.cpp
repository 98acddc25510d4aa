#include "tests/shell/ProgramFixture.h"

#include "content/Initialisation.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "platform/ProgramIcon.h"
#include "tools/make_icons/IconPictures.h"
#include "views/IconBarView.h"

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

    std::vector<int> CheckedPresets(MenuLanguage bar) const
    {
        std::vector<int> checked;
        for (int id = 190; id <= 199; ++id)
            if (Checked(bar, id))
                checked.push_back(id);
        return checked;
    }

    IconBarView* bar = nullptr;
};

TEST_F(IconBarTest, SpansTheClientAboveTheWindowsFollowsItsWidthAndClosesCleanly)
{
    EXPECT_EQ(QRect(0, 0, program->Frame().ClientSize().width(), 32), bar->geometry());
    EXPECT_EQ(1, program->State().bIconBarOn);
    EXPECT_EQ(32, program->BitmapWindow()->geometry().top());
    program->Frame().resize(program->Frame().width() - 150, program->Frame().height());
    QCoreApplication::processEvents();
    EXPECT_EQ(QRect(0, 0, program->Frame().ClientSize().width(), 32), bar->geometry());

    delete bar;
    EXPECT_EQ(0, program->State().bIconBarOn);
    program->Frame().resize(program->Frame().width() - 100, program->Frame().height()); // nothing to follow
    Command(191);
    EXPECT_EQ(Preset(191), NumAuto());
}

TEST_F(IconBarTest, AClickSelectsThePresetOfTheIconUnderItAndMarksItInBothMenus)
{
    for (const auto& [x, icon] : {std::pair{0, 190}, {36, 190}, {37, 191}, {221, 195}, {222, 196}, {369, 199},
                                  {370, 0}, {500, 0}}) {
        Command(192); // a known starting point, unlike every preset clicked
        Click(x);
        const int preset = icon == 0 ? 192 : icon;
        EXPECT_EQ(Preset(preset), NumAuto()) << "x = " << x;
        const std::vector<int> marked = icon == 199 ? std::vector<int>{} : std::vector<int>{preset}; // no 199 item
        EXPECT_EQ(marked, CheckedPresets(MenuLanguage::English)) << "x = " << x;
        EXPECT_EQ(marked, CheckedPresets(MenuLanguage::French)) << "x = " << x;
    }
    // The clicks are the bar's alone: the array under the main client is neither edited nor stepped.
    EXPECT_EQ(1, A().iLevel);
    EXPECT_EQ(0, A().iChanges);
    EXPECT_EQ(0, program->State().iLastClickX);

    Command(192); // not the first preset, which a negative x rounded toward zero would choose
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

TEST(Icons, AreTenDistinct32By32PicturesThatTheEngineStillDrawsAndTheFirstIsTheProgramsIcon)
{
    // A PNG unlike what the tool draws now means the engine or the table changed the picture:
    // scripts/make-icons.sh makes them again.
    std::set<QByteArray> seen;
    for (int i = 0; i < kIconBarIconCount; ++i) {
        const IconPicture& picture = IconPictures()[static_cast<std::size_t>(i)];
        EXPECT_STREQ(kIconBarIconNames[static_cast<std::size_t>(i)], picture.name);
        const QImage icon = Rgb(LoadIconResource(picture.name));
        ASSERT_EQ(QSize(32, 32), icon.size()) << picture.name;
        EXPECT_EQ(RenderIconPicture(picture), icon) << picture.name;
        EXPECT_TRUE(seen.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()), icon.sizeInBytes())).second)
            << picture.name << " looks like another icon";
    }
    EXPECT_EQ(Rgb(LoadIconResource("ICON_0")), Rgb(ProgramIcon().pixmap(32, 32).toImage()));
}

TEST(Icons, TheProgramsIconIsDrawnAtEachOfItsSizesAndTheWindowIconHoldsThemAll)
{
    for (std::size_t i = 0; i < kProgramIconSizes.size(); ++i) {
        const int size = kProgramIconSizes[i];
        const QImage drawn = RenderProgramIcon(ProgramIconLayouts()[i]);
        ASSERT_EQ(QSize(size, size), drawn.size());
        EXPECT_EQ(drawn, Rgb(LoadIconResource(ProgramIconName(size).toLatin1().constData()))) << size;
        EXPECT_EQ(drawn, Rgb(ProgramIcon().pixmap(size, size).toImage())) << size;
    }
}

} // namespace
} // namespace vellicor::test
