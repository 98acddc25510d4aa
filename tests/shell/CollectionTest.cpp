#include "tests/shell/ProgramFixture.h"

#include "explore/Thumbnail.h"
#include "render/RenderOptions.h"
#include "render/Renderer.h"
#include "shell/Collection.h"
#include "shell/CommandIds.h"
#include "shell/settings/AutomatonFile.h"
#include "views/ArrayImage.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <fstream>

namespace vellicor::test {
namespace {

class CollectionTest : public ProgramTest {
protected:
    void SetUp() override
    {
        Start();
        ShiftKey(Qt::Key_L);
        ASSERT_NE(nullptr, Window());
        Window()->ShowFolder(VELLICOR_COLLECTION_DIR);
        ASSERT_TRUE(WaitUntilGrown());
    }

    CollectionWindow* Window() { return program->GetCollection().Window(); }
    GalleryView& Gallery() { return Window()->Gallery(); }
    bool WaitUntilGrown()
    {
        for (int i = 0; i < 3000 && !Window()->Done(); ++i)
            QTest::qWait(10);
        QTest::qWait(0); // the last results posted
        return Window()->Done() && Gallery().ReadyCount() == Gallery().SlotCount();
    }
    std::vector<QString> Captions()
    {
        std::vector<QString> captions;
        for (int slot = 0; slot < Gallery().SlotCount(); ++slot)
            captions.push_back(Gallery().Slot(slot).caption);
        return captions;
    }
    void Filter(const QString& text)
    {
        Window()->Filter().clear();
        QTest::keyClicks(&Window()->Filter(), text);
    }

    // The renderer's picture of the file after some generations, one pixel a cell.
    QImage Rendered(const std::string& path, int32_t generations)
    {
        const std::string output = folder.filePath("rendered.png").toStdString();
        const std::vector<std::string> arguments = {"--automaton", path, "--generations", std::to_string(generations),
                                                    "--quiet", "--output", output};
        const auto options = ParseRenderOptions(arguments);
        EXPECT_TRUE(std::holds_alternative<RenderOptions>(options)) << path;
        if (!std::holds_alternative<RenderOptions>(options))
            return {};
        const std::optional<std::string> failure = Render(std::get<RenderOptions>(options));
        EXPECT_FALSE(failure) << path << ": " << failure.value_or("");
        return QImage(QString::fromStdString(output)).convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(CollectionTest, EveryFileOpensByEnterAsOneStepAndItsThumbnailIsTheRenderersPicture)
{
    ASSERT_GE(Gallery().SlotCount(), 40);
    for (int slot = 0; slot < Gallery().SlotCount(); ++slot) {
        const std::string path = Window()->PathAt(slot);
        const QImage thumbnail = Gallery().Picture(slot).convertToFormat(QImage::Format_RGB32);
        const Automaton& grown = *Gallery().Slot(slot).last;
        Model file(0);
        AutomatonPicture picture;
        ASSERT_FALSE(ReadAutomatonFile(path, file, picture)) << path;
        EXPECT_FALSE(picture.title.empty() || picture.titre.empty() || picture.notes.empty()) << path;
        if (EffectiveMaxVer(file.automaton) - 1 == 1) {
            // One row: generation g is row g of the thumbnail.
            ASSERT_EQ(std::min(ThumbnailGenerations(file.automaton) + 1, 100), thumbnail.height()) << path;
            for (int g = 0; g < thumbnail.height(); g += 7)
                EXPECT_EQ(Rendered(path, g), thumbnail.copy(0, g, thumbnail.width(), 1)) << path << " generation " << g;
        } else {
            EXPECT_EQ(Rendered(path, ThumbnailGenerations(file.automaton)), thumbnail) << path;
        }

        Gallery().Choose(slot);
        QTest::keyClick(&Gallery(), Qt::Key_Return);
        const Automaton& opened = A();
        ASSERT_EQ(file.automaton.wMaxHor, opened.wMaxHor) << path;
        EXPECT_EQ(0, std::memcmp(file.automaton.iNumAuto, opened.iNumAuto, sizeof opened.iNumAuto)) << path;
        EXPECT_EQ(0, std::memcmp(file.settings.crStateColor, program->GetModel().settings.crStateColor,
                                 sizeof file.settings.crStateColor))
            << path;
        if (slot == 0) {
            // What Next shows after the opening is the thumbnail's picture, and one Undo goes
            // back to the opening, a second one to the program before it.
            Command(command::kNext);
            EXPECT_EQ(RenderArrayImage(grown, file.settings.crStateColor), RenderArrayImage(A(), file.settings.crStateColor));
            program->Undo();
            EXPECT_EQ(file.automaton.iLevel, A().iLevel);
            program->Undo();
            EXPECT_EQ(14, A().wMaxHor);
        }
    }
}

TEST_F(CollectionTest, TheFilterKeepsTitlesWithEveryWordInTheProgramsLanguage)
{
    const int all = Gallery().SlotCount();
    Filter(QStringLiteral("  DIAMOND nest"));
    EXPECT_EQ(std::vector<QString>{QStringLiteral("Nested diamonds")}, Captions());
    Filter(QStringLiteral("diamond"));
    EXPECT_GE(Gallery().SlotCount(), 4);
    for (const QString& caption : Captions())
        EXPECT_TRUE(caption.contains(QStringLiteral("diamond"), Qt::CaseInsensitive)) << caption.toStdString();
    ASSERT_TRUE(WaitUntilGrown());

    // In French the titles are the French ones, found without their accents; Enter in the filter
    // opens the first one found.
    Command(command::kFrench);
    Filter(QStringLiteral("ecu"));
    ASSERT_EQ(std::vector<QString>{QStringLiteral("Écu")}, Captions());
    QTest::keyClick(&Window()->Filter(), Qt::Key_Return);
    EXPECT_EQ(62, A().wMaxHor);
    EXPECT_EQ(4, A().iModuloMode);
    Filter(QString());
    EXPECT_EQ(all, Gallery().SlotCount());
}

TEST_F(CollectionTest, AFolderOfOnesOwnListsItsFilesAndTellsWhichCouldNotBeRead)
{
    QDir own(folder.path());
    ASSERT_TRUE(own.mkdir(QStringLiteral("own")));
    const std::string ownPath = folder.filePath("own").toStdString();
    QFile::copy(QStringLiteral(VELLICOR_COLLECTION_DIR "/mask.vellicor"), folder.filePath("own/mine.vellicor"));
    std::ofstream(ownPath + "/broken.vellicor") << "[Vellicor]\nwMaxHor=500\n";
    std::ofstream(ownPath + "/notes.txt") << "not an automaton\n";
    prompts.QueueFileAnswer(ownPath);
    QTest::mouseClick(Window()->findChild<QPushButton*>(QStringLiteral("Folder")), Qt::LeftButton);
    ASSERT_TRUE(WaitUntilGrown());
    EXPECT_EQ(ownPath, Window()->Folder());
    EXPECT_EQ(std::vector<QString>{QStringLiteral("Mask")}, Captions());
    const QString status = Window()->findChild<QLabel*>(QStringLiteral("Status"))->text();
    EXPECT_TRUE(status.contains(QStringLiteral("broken.vellicor"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("Line 2"))) << status.toStdString();
}

} // namespace
} // namespace vellicor::test
